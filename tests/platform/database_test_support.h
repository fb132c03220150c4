// SPDX-License-Identifier: GPL-2.0-or-later
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

// The path of a fresh file in `folder` holding the test book, made by the
// statements of test_book.sql beside this file.
inline QString write_test_book(const QString& folder)
{
    QFile file(QStringLiteral(SELUNAR_PLATFORM_TESTS "/test_book.sql"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString path = folder + QStringLiteral("/book.sqlite");
    sqlite_exec(path, QString::fromUtf8(file.readAll()));
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

// A file in the folder for the files the tests write, removed when the
// program ends.
inline QString temp_path(const QString& name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
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

using SqliteDb = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

inline SqliteDb imported(const QString& path, const QString& connect = {})
{
    return SqliteDb(import_access_database(path, connect), sqlite3_close);
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
