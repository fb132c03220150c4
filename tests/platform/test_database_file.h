#pragma once
// Small SQLite databases for the tests, written with the sqlite3 API, and
// what the tests ask of them through the database layer.

#include "database.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// Writes an SQLite file at `path` and runs `sql` (several statements) on it.
void write_sqlite_file(const QString& path, const QString& sql);

// The book and Bible tables in the form the program reads:
// QOV (index "Datum"), five days of January 2024
//   2024-01-01 feiertag "Neujahr", bcv1 "43_3_16-18", AID 1
//   2024-01-02 feiertag Null,      bcv1 "1_2,4-3,7", AID 1
//   2024-01-03 feiertag "",        bcv1 "19_23_1/19_24_1", AID 2
//   2024-01-04 10:30:00,           bcv1 "5_6_7;8_9_10", AID 2
//   2024-01-06 (no 5th),           bcv1 Null, AID 3 (who is not in AutorenNeu)
// AutorenNeu: 1 Anna Alt, 2 Bernd Bär, 4 Dora Ohne (no devotional)
// texte (index "book" on book, chapter, verse), inserted out of order:
//   1:2:1, 1:1:1, 1:1:2, 2:1:1, 1:2:2, 1:4:1 (Null text), 1:1:3
extern const char* const test_book_sql;

// The path of a fresh file in `folder` holding test_book_sql.
QString write_test_book(const QString& folder);

// Field `field` of every row of `source`, as text.
QStringList column(Database& db, const QString& source, const QString& field);

// A fresh folder with the test book in it, opened.
class TestBook : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        db = OpenDatabase(write_test_book(folder.path()));
    }

    QTemporaryDir folder;
    std::unique_ptr<Database> db;
};
