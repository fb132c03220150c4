// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the quick search reads from the databases: every day of every
// edition of the book with its searchable fields, and every verse of the Bible.

#include "file_failure.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <atomic>
#include <span>
#include <vector>

class BibleSource;
class Database;

struct CorpusDay {
    QDate date;
    // Thema, Text, Frage, Tipp, Leitvers and the author's name; Null and
    // missing columns are empty.
    QStringList fields;
    int edition = 0;  // which of the books read it came from
};

struct CorpusVerse {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    QString text;  // empty for a Null verse
    int translation = 0;  // 0: the book's Bible; else Corpus::translations' entry
};

// A book whose days could not be read: none of them is in the corpus.
struct UnreadBook {
    std::size_t book = 0;  // its place among the books read
    FileFailure failure = FileFailure::unknown;
};

struct Corpus {
    std::vector<CorpusDay> days;      // in date order
    // The book's Bible in Bible order, then each further translation in Bible order.
    std::vector<CorpusVerse> verses;
    // The short names of the Bibles when there are further ones, the book's
    // first; empty when the book's is the only one.
    QStringList translations;
    std::vector<UnreadBook> unread_books;
};

// The days of table "QOV" of each of `books` (rows without a date left out),
// in date order, a date two editions share in the order of `books`, and the
// verses of table "texte" of `bible`, read through table cursors. A book
// whose tables fail adds no days and is listed in `unread_books`; a null one
// (it could not be opened) adds none either. Throws DatabaseError when the
// Bible's table cannot be read; stops early, with what it has, once `cancel`
// is set.
Corpus read_corpus(std::span<Database* const> books, Database& bible, const std::atomic<bool>& cancel);

// The book's Bible's numbering as the corpus holds it: the highest verse of
// every chapter of books 1 to 66.
std::vector<std::vector<int>> book_verse_counts(const Corpus& corpus);

// Appends every verse `source` holds, book by book, as a further
// translation named by its short name. Stops early, with what it has, once
// `cancel` is set. Throws BibleModuleError when the module fails; then the
// corpus is as it was.
void add_translation(Corpus& corpus, BibleSource& source, const std::atomic<bool>& cancel);
