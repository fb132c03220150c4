// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 66 books of the Protestant canon in their usual order (the order of
// osis_books.h): the German name and the chapter count the book database
// lists. Book numbers run 1 to 66 in this order.

#include "bible_text.h"
#include "osis_books.h"

#include <QString>
#include <QStringList>

#include <array>

struct BibleBook {
    QString german_name;
    int chapters;
};

inline constexpr int bible_book_count = reader_book_count;

// All 66 books; index 0 is book 1 ("Gen", "1. Mose").
const std::array<BibleBook, bible_book_count>& bible_books();

// German name of book `book` (1 to 66).
const QString& german_book_name(int book);

// One line (German) for every book whose chapter count in `bible` differs
// from the book list's, and for every book without any verse text; empty when
// the Bible fits the list.
QStringList differences_from_book_list(const BibleText& bible);
