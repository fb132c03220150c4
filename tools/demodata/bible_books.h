// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 66 books of the Protestant canon in their usual order: the OSIS name by
// which the Bible module names them, the German name and the chapter count the
// book database lists. Book numbers run 1 to 66 in this order.

#include "bible_text.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

struct BibleBook {
    std::string_view osis_name;
    QString german_name;
    int chapters;
};

inline constexpr int bible_book_count = 66;

// All 66 books; index 0 is book 1 ("Gen", "1. Mose").
const std::array<BibleBook, bible_book_count>& bible_books();

// The book number (1 to 66) of an OSIS book name, or 0 for a book outside the
// Protestant canon (the deuterocanonical books of the module).
int book_number_of_osis(std::string_view osis_name);

// German name of book `book` (1 to 66).
const QString& german_book_name(int book);

// One line (German) for every book whose chapter count in `bible` differs
// from the book list's, and for every book without any verse text; empty when
// the Bible fits the list.
QStringList differences_from_book_list(const BibleText& bible);
