// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the quick search reads from the two databases: every day of the book
// with its searchable fields, and every verse of the Bible.

#include <QDate>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

class Database;

struct CorpusDay {
    QDate date;
    // Thema, Text, Frage, Tipp, Leitvers and the author's name; Null and
    // missing columns are empty.
    QStringList fields;
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

// The days of table "QOV" (rows without a date left out) and the verses of
// table "texte", read through table cursors. Throws DatabaseError when a
// table cannot be read; stops early, with what it has, once `cancel` is set.
Corpus read_corpus(Database& book, Database& bible, const std::atomic<bool>& cancel);
