// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_books.h"

const std::array<BibleBook, bible_book_count>& bible_books()
{
    static const std::array<BibleBook, bible_book_count> books = {{
        {"1. Mose", 50}, {"2. Mose", 40}, {"3. Mose", 27},
        {"4. Mose", 36}, {"5. Mose", 34}, {"Josua", 24},
        {"Richter", 21}, {"Rut", 4}, {"1. Samuel", 31},
        {"2. Samuel", 24}, {"1. Könige", 22}, {"2. Könige", 25},
        {"1. Chronik", 29}, {"2. Chronik", 36}, {"Esra", 10},
        {"Nehemia", 13}, {"Ester", 10}, {"Hiob", 42},
        {"Psalm", 150}, {"Sprüche", 31}, {"Prediger", 12},
        {"Hoheslied", 8}, {"Jesaja", 66}, {"Jeremia", 52},
        {"Klagelieder", 5}, {"Hesekiel", 48}, {"Daniel", 12},
        {"Hosea", 14}, {"Joel", 3}, {"Amos", 9},
        {"Obadja", 1}, {"Jona", 4}, {"Micha", 7},
        {"Nahum", 3}, {"Habakuk", 3}, {"Zefanja", 3},
        {"Haggai", 2}, {"Sacharja", 14}, {"Maleachi", 4},
        {"Matthäus", 28}, {"Markus", 16}, {"Lukas", 24},
        {"Johannes", 21}, {"Apostelgeschichte", 28}, {"Römer", 16},
        {"1. Korinther", 16}, {"2. Korinther", 13}, {"Galater", 6},
        {"Epheser", 6}, {"Philipper", 4}, {"Kolosser", 4},
        {"1. Thessalonicher", 5}, {"2. Thessalonicher", 3}, {"1. Timotheus", 6},
        {"2. Timotheus", 4}, {"Titus", 3}, {"Philemon", 1},
        {"Hebräer", 13}, {"Jakobus", 5}, {"1. Petrus", 5},
        {"2. Petrus", 3}, {"1. Johannes", 5}, {"2. Johannes", 1},
        {"3. Johannes", 1}, {"Judas", 1}, {"Offenbarung", 22},
    }};
    return books;
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
