#pragma once
// Shared by the Access import tests: the team's fixture files, writable copies
// of them, the team's password tool and raw queries on an imported database.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

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

// The rows of a query, each a list of values: Null as an invalid QVariant,
// text as QString, whole numbers as qint64, reals as double, blobs as
// QByteArray.
inline QList<QVariantList> query_rows(sqlite3* db, const char* sql)
{
    QList<QVariantList> rows;
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << " in " << sql;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_NULL:
                row << QVariant();
                break;
            case SQLITE_INTEGER:
                row << QVariant(qint64(sqlite3_column_int64(statement, i)));
                break;
            case SQLITE_FLOAT:
                row << QVariant(sqlite3_column_double(statement, i));
                break;
            case SQLITE_TEXT:
                row << QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)),
                                                  sqlite3_column_bytes(statement, i)));
                break;
            default:
                row << QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, i)),
                                           sqlite3_column_bytes(statement, i)));
            }
        }
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
