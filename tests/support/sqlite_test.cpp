// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlite_test.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

bool sqlite_exec(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        sqlite3_close(db);
        return false;
    }
    // Tests need no durability, and syncing every statement is slow.
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    char* error = nullptr;
    const bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!ok)
        ADD_FAILURE() << sql.left(500).toStdString() << ": " << (error ? error : "?");
    sqlite3_free(error);
    sqlite3_close(db);
    return ok;
}

bool sqlite_exec(const QString& path, const QStringList& statements)
{
    return sqlite_exec(path, statements.join(QStringLiteral(";\n")));
}

QList<Row> sqlite_rows(sqlite3* db, const QString& sql)
{
    QList<Row> rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        Row& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const int type = sqlite3_column_type(statement, i);
            const int size = sqlite3_column_bytes(statement, i);
            if (type == SQLITE_NULL)
                row.append(QVariant());
            else if (type == SQLITE_INTEGER)
                row.append(qint64(sqlite3_column_int64(statement, i)));
            else if (type == SQLITE_FLOAT)
                row.append(sqlite3_column_double(statement, i));
            else if (type == SQLITE_TEXT)
                row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)), size));
            else
                row.append(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, i)), size));
        }
    }
    sqlite3_finalize(statement);
    return rows;
}

QList<Row> sqlite_rows(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString();
    QList<Row> rows = sqlite_rows(db, sql);
    sqlite3_close(db);
    return rows;
}

QVariant sqlite_value(sqlite3* db, const QString& sql)
{
    const QList<Row> rows = sqlite_rows(db, sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

QVariant sqlite_value(const QString& path, const QString& sql)
{
    const QList<Row> rows = sqlite_rows(path, sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}
