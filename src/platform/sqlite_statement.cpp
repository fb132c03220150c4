// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlite_statement.h"

#include "sqlite_values.h"

#include <sqlite3.h>

Connection adopt_connection(sqlite3* db)
{
    // close_v2 waits for statements still alive instead of failing.
    return Connection(db, [](sqlite3* d) { sqlite3_close_v2(d); });
}

QString sqlite_message(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QString quoted_name(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

namespace {

[[noreturn]] void throw_sql_error(const QString& sql, const QString& cause,
                                  FileFailure failure = FileFailure::unknown)
{
    throw DatabaseError(sql + QStringLiteral(": ") + cause, failure);
}

// What the engine's last error says about the file: damaged pages show only
// when a statement reaches them.
FileFailure failure_of(sqlite3* db)
{
    const int code = sqlite3_errcode(db) & 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB ? FileFailure::damaged : FileFailure::unknown;
}

} // namespace

void execute(const Connection& db, const QString& sql, const QString& source)
{
    char* error = nullptr;
    if (sqlite3_exec(db.get(), sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString cause = error ? QString::fromUtf8(error) : sqlite_message(db.get());
        sqlite3_free(error);
        throw_sql_error(source.isEmpty() ? sql : source, cause, failure_of(db.get()));
    }
}

Statement::Statement(Connection db, const QString& sql, const QString& source)
    : db_(std::move(db)), source_(source.isEmpty() ? sql : source)
{
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_.get(), text.constData(), int(text.size()), &stmt_, &tail) != SQLITE_OK)
        throw_sql_error(source_, sqlite_message(db_.get()), failure_of(db_.get()));
    if (!stmt_)
        throw_sql_error(source_, QStringLiteral("no statement in the text"));
    const QByteArray rest = QByteArray(tail).trimmed();
    if (!rest.isEmpty() && rest != ";") {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw_sql_error(source_, QStringLiteral("text after the end of the statement"));
    }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, const QVariant& value)
{
    if (bind_value(stmt_, index, value) != SQLITE_OK)
        throw_sql_error(source_, sqlite_message(db_.get()));
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
}

bool Statement::step()
{
    switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default: {
        const QString cause = sqlite_message(db_.get());
        const FileFailure failure = failure_of(db_.get());
        sqlite3_reset(stmt_);
        throw_sql_error(source_, cause, failure);
    }
    }
}
