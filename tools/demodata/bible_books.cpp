// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_books.h"

#include <algorithm>

const std::array<BibleBook, bible_book_count>& bible_books()
{
    static const std::array<BibleBook, bible_book_count> books = {{
        {"Gen", "1. Mose", 50}, {"Exod", "2. Mose", 40}, {"Lev", "3. Mose", 27},
        {"Num", "4. Mose", 36}, {"Deut", "5. Mose", 34}, {"Josh", "Josua", 24},
        {"Judg", "Richter", 21}, {"Ruth", "Rut", 4}, {"1Sam", "1. Samuel", 31},
        {"2Sam", "2. Samuel", 24}, {"1Kgs", "1. Könige", 22}, {"2Kgs", "2. Könige", 25},
        {"1Chr", "1. Chronik", 29}, {"2Chr", "2. Chronik", 36}, {"Ezra", "Esra", 10},
        {"Neh", "Nehemia", 13}, {"Esth", "Ester", 10}, {"Job", "Hiob", 42},
        {"Ps", "Psalm", 150}, {"Prov", "Sprüche", 31}, {"Eccl", "Prediger", 12},
        {"Song", "Hoheslied", 8}, {"Isa", "Jesaja", 66}, {"Jer", "Jeremia", 52},
        {"Lam", "Klagelieder", 5}, {"Ezek", "Hesekiel", 48}, {"Dan", "Daniel", 12},
        {"Hos", "Hosea", 14}, {"Joel", "Joel", 3}, {"Amos", "Amos", 9},
        {"Obad", "Obadja", 1}, {"Jonah", "Jona", 4}, {"Mic", "Micha", 7},
        {"Nah", "Nahum", 3}, {"Hab", "Habakuk", 3}, {"Zeph", "Zefanja", 3},
        {"Hag", "Haggai", 2}, {"Zech", "Sacharja", 14}, {"Mal", "Maleachi", 4},
        {"Matt", "Matthäus", 28}, {"Mark", "Markus", 16}, {"Luke", "Lukas", 24},
        {"John", "Johannes", 21}, {"Acts", "Apostelgeschichte", 28}, {"Rom", "Römer", 16},
        {"1Cor", "1. Korinther", 16}, {"2Cor", "2. Korinther", 13}, {"Gal", "Galater", 6},
        {"Eph", "Epheser", 6}, {"Phil", "Philipper", 4}, {"Col", "Kolosser", 4},
        {"1Thess", "1. Thessalonicher", 5}, {"2Thess", "2. Thessalonicher", 3}, {"1Tim", "1. Timotheus", 6},
        {"2Tim", "2. Timotheus", 4}, {"Titus", "Titus", 3}, {"Phlm", "Philemon", 1},
        {"Heb", "Hebräer", 13}, {"Jas", "Jakobus", 5}, {"1Pet", "1. Petrus", 5},
        {"2Pet", "2. Petrus", 3}, {"1John", "1. Johannes", 5}, {"2John", "2. Johannes", 1},
        {"3John", "3. Johannes", 1}, {"Jude", "Judas", 1}, {"Rev", "Offenbarung", 22},
    }};
    return books;
}

int book_number_of_osis(std::string_view osis_name)
{
    const auto& books = bible_books();
    const auto it = std::find_if(books.begin(), books.end(),
                                 [&](const BibleBook& b) { return b.osis_name == osis_name; });
    return it == books.end() ? 0 : int(it - books.begin()) + 1;
}

const QString& german_book_name(int book)
{
    return bible_books().at(std::size_t(book - 1)).german_name;
}

QStringList differences_from_book_list(const BibleText& bible)
{
    QStringList lines;
    for (int book = 1; book <= bible_book_count; ++book) {
        const BibleBook& listed = bible_books()[std::size_t(book - 1)];
        if (bible.chapter_count(book) != listed.chapters)
            lines << QString("%1: %2 Kapitel, die Bücherliste nennt %3")
                         .arg(listed.german_name)
                         .arg(bible.chapter_count(book))
                         .arg(listed.chapters);
        bool has_text = false;
        for (int chapter = 1; chapter <= bible.chapter_count(book) && !has_text; ++chapter)
            for (int verse = 1; verse <= bible.verse_count(book, chapter) && !has_text; ++verse)
                has_text = bible.find(book, chapter, verse)->text.has_value();
        if (!has_text)
            lines << QString("%1: kein Vers mit Text").arg(listed.german_name);
    }
    return lines;
}
