// SPDX-License-Identifier: GPL-2.0-or-later
#include "writable_sqlite.h"

#include "sqlite_values.h"

#include <sqlite3.h>

WritableSqlite::WritableSqlite(const QString& path, bool writable)
    : path_(path)
{
    sqlite3* handle = nullptr;
    const int flags = writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    db_ = adopt_connection(handle);
    if (code != SQLITE_OK)
        throw DatabaseError(path + QStringLiteral(": ") + sqlite_message(handle), FileFailure::unreadable);
    sqlite3_busy_timeout(handle, 2000);
    try {
        // A file that is no database shows it at the first statement that reads it.
        const std::vector<QVariantList> check = rows(QStringLiteral("PRAGMA quick_check"));
        const QString verdict = check.empty() ? QString() : check.front().value(0).toString();
        if (verdict != u"ok")
            throw DatabaseError(path + QStringLiteral(": ") + verdict, FileFailure::damaged);
    } catch (const DatabaseError& e) {
        throw DatabaseError(e.message().startsWith(path) ? e.message() : path + QStringLiteral(": ") + e.message(),
                            e.failure());
    }
}

void WritableSqlite::make_durable()
{
    execute(db_, QStringLiteral("PRAGMA journal_mode=WAL"));
    execute(db_, QStringLiteral("PRAGMA synchronous=FULL"));
}

std::vector<QVariantList> WritableSqlite::rows(const QString& sql, const QVariantList& parameters) const
{
    Statement statement(db_, sql);
    for (int i = 0; i < parameters.size(); ++i)
        statement.bind(i + 1, parameters[i]);
    std::vector<QVariantList> result;
    while (statement.step()) {
        QVariantList row;
        for (int column = 0; column < sqlite3_column_count(statement.handle()); ++column)
            row.append(column_value(statement.handle(), column, false));
        result.push_back(row);
    }
    return result;
}

int WritableSqlite::run(const QString& sql, const QVariantList& parameters)
{
    rows(sql, parameters);
    return sqlite3_changes(db_.get());
}

void WritableSqlite::transaction(const std::function<void()>& work)
{
    execute(db_, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        work();
    } catch (...) {
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    execute(db_, QStringLiteral("COMMIT"));
}
