#pragma once
// Shared by the Access import tests: the team's fixture files, writable copies
// of them, the team's password tool, the import and raw queries on its result.

#include "access_import.h"
#include "database.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

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

// The rows of a query, each a list of values: Null as an invalid QVariant,
// text as QString, whole numbers as qint64, reals as double, blobs as
// QByteArray.
inline QList<QVariantList> query_rows(sqlite3* db, const char* sql)
{
    const auto value = [](sqlite3_stmt* statement, int i) -> QVariant {
        const int type = sqlite3_column_type(statement, i);
        if (type == SQLITE_NULL)
            return {};
        if (type == SQLITE_INTEGER)
            return qint64(sqlite3_column_int64(statement, i));
        if (type == SQLITE_FLOAT)
            return sqlite3_column_double(statement, i);
        const char* data = type == SQLITE_TEXT ? reinterpret_cast<const char*>(sqlite3_column_text(statement, i))
                                               : static_cast<const char*>(sqlite3_column_blob(statement, i));
        const int size = sqlite3_column_bytes(statement, i);
        return type == SQLITE_TEXT ? QVariant(QString::fromUtf8(data, size)) : QVariant(QByteArray(data, size));
    };
    QList<QVariantList> rows;
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << " in " << sql;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            row << value(statement, i);
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

inline QVariant query_value(sqlite3* db, const char* sql)
{
    const QList<QVariantList> rows = query_rows(db, sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}
