// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the quick search reads from the databases: every day of every
// edition of the book with its searchable fields, and every verse of the Bible.

#include <QDate>
#include <QString>
#include <QStringList>

#include <atomic>
#include <span>
#include <vector>

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
};

struct Corpus {
    std::vector<CorpusDay> days;      // in date order
    std::vector<CorpusVerse> verses;  // in Bible order
};

// The days of table "QOV" of each of `books` (rows without a date left out),
// in date order, a date two editions share in the order of `books`, and the
// verses of table "texte" of `bible`, read through table cursors. Throws
// DatabaseError when a table cannot be read; stops early, with what it has,
// once `cancel` is set.
Corpus read_corpus(std::span<Database* const> books, Database& bible, const std::atomic<bool>& cancel);
