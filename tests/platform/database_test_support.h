#pragma once
// What the tests of the database layer share: small SQLite files written with
// the sqlite3 API, the team's Access fixtures, writable copies of them, the
// team's password tool, the Access import and raw queries on its result.

#include "access_import.h"
#include "database.h"
#include "sqlite_test.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

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
inline const char* const test_book_sql = R"sql(
CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT, bcv1 TEXT,
                  Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT, Bibellese TEXT, bcv2 TEXT,
                  bereich INTEGER, AID INTEGER);
CREATE INDEX Datum ON QOV (Datum);
INSERT INTO QOV (Datum, feiertag, Bibelstelle, bcv1, Thema, Text, bereich, AID) VALUES
  ('2024-01-01', 'Neujahr', 'Johannes 3,16-18', '43_3_16-18', 'Größe Gottes', 'Über ÄRGER und Öl', 1, 1),
  ('2024-01-02', NULL, '1. Mose 2,4-3,7', '1_2,4-3,7', 'Anfang', 'Im Anfang', 2, 1),
  ('2024-01-03', '', 'Psalm 23,1; 24,1', '19_23_1/19_24_1', 'Hirte', 'Der Herr ist mein Hirte', 1, 2),
  ('2024-01-04 10:30:00', NULL, '5. Mose 6,7', '5_6_7;8_9_10', 'Lehre', 'Kinder', 3, 2),
  ('2024-01-06', NULL, NULL, NULL, 'Ohne Stelle', 'Text', 3, 3);
CREATE TABLE AutorenNeu (AID INTEGER, Vorname TEXT, Nachname TEXT);
INSERT INTO AutorenNeu VALUES (1, 'Anna', 'Alt'), (2, 'Bernd', 'Bär'), (4, 'Dora', 'Ohne');
CREATE TABLE texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT);
CREATE INDEX book ON texte (book, chapter, verse);
INSERT INTO texte VALUES
  (1, 2, 1, 'So wurden vollendet Himmel und Erde'),
  (1, 1, 1, 'Im Anfang schuf Gott'),
  (1, 1, 2, 'Und die Erde war wüst und leer'),
  (2, 1, 1, 'Dies sind die Namen'),
  (1, 2, 2, 'Und Gott vollendete am siebenten Tag'),
  (1, 4, 1, NULL),
  (1, 1, 3, 'Und Gott sprach');
)sql";

// The path of a fresh file in `folder` holding test_book_sql.
inline QString write_test_book(const QString& folder)
{
    const QString path = folder + QStringLiteral("/book.sqlite");
    sqlite_exec(path, QString::fromUtf8(test_book_sql));
    return path;
}

// Field `field` of every row of `source`, as text.
inline QStringList column(Database& db, const QString& source, const QString& field)
{
    QStringList values;
    for (auto rs = db.OpenRecordset(source); !rs->Eof(); rs->MoveNext())
        values << rs->Fields(field).toString();
    return values;
}

inline QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

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

inline const QString bible_password = QStringLiteral("MS Access;PWD=Murb64#7;");

inline QString jet_fixture(const QString& name)
{
    return QStringLiteral(SELUNAR_JET_FIXTURES "/") + name;
}

inline QByteArray file_bytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The folder for the files the tests write, removed when the program ends.
inline QTemporaryDir& temp_dir()
{
    static QTemporaryDir dir;
    return dir;
}

inline QString temp_path(const QString& name)
{
    return temp_dir().filePath(name);
}

// A fresh writable copy of the fixture, named `name`.
inline QString writable_copy(const QString& fixture, const QString& name)
{
    const QString path = temp_path(name);
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(jet_fixture(fixture), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Runs the team's jetpw.py (read|write|encode) and returns what it printed.
inline QString jetpw(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("python3"),
               QStringList{QStringLiteral(SELUNAR_JET_FIXTURES "/../../tools/jetpw.py")} + arguments);
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using SqliteDb = std::unique_ptr<sqlite3, SqliteCloser>;

inline SqliteDb imported(const QString& path, const QString& connect = {})
{
    return SqliteDb(import_access_database(path, connect));
}

// The message of the DatabaseError the import throws; empty when it succeeds.
inline QString import_error(const QString& path, const QString& connect = {})
{
    try {
        imported(path, connect);
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}
