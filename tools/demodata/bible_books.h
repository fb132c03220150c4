#pragma once
// The 66 books of the Protestant canon in their usual order: the OSIS name by
// which the Bible module names them and the German name the book database
// shows. Book numbers run 1 to 66 in this order.

#include <QString>

#include <array>
#include <string_view>

struct BibleBook {
    std::string_view osis_name;
    QString german_name;
};

inline constexpr int bible_book_count = 66;

// All 66 books; index 0 is book 1 ("Gen", "1. Mose").
const std::array<BibleBook, bible_book_count>& bible_books();

// The book number (1 to 66) of an OSIS book name, or 0 for a book outside the
// Protestant canon (the deuterocanonical books of the module).
int book_number_of_osis(std::string_view osis_name);

// German name of book `book` (1 to 66).
const QString& german_book_name(int book);
