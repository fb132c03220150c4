// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Bible books, read once at start-up: row index = book number.

#include <QVariant>

#include <vector>

struct BuchRow {
    QVariant buch;        // the book's name as stored
    QVariant maxkapitel;  // its number of chapters
    QVariant lfdnr;       // the book number itself; Null for rows that hold no book
};

// Rows 0..M, where M is the number of rows of [Bibel]; rows whose index is no
// book number stay empty.
using Buecher = std::vector<BuchRow>;

// The row of book `book`, or nullptr when the table holds no such book.
const BuchRow* find_buch(const Buecher& buecher, int book);
