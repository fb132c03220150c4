// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 66 books of the reader's numbering by the OSIS names with which SWORD
// modules name them: book 1 is "Gen", book 66 "Rev".

#include <string_view>

inline constexpr int reader_book_count = 66;

// The OSIS name of book `book` (1 to 66); empty for any other number.
std::string_view osis_book_name(int book);

// The book number (1 to 66) of an OSIS book name, or 0 for a book outside the
// 66 (the deuterocanonical books of a module).
int book_of_osis(std::string_view osis_name);
