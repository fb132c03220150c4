// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Thin RAII wrappers over the SQLite C API, reporting failures as
// DatabaseError with the SQL text and SQLite's message.

#include "database.h"

#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One open SQLite connection, shared by a database and its cursors so that a
// cursor stays usable whatever is destroyed first.
using Connection = std::shared_ptr<sqlite3>;

// Takes ownership of `db`; the connection is closed when the last holder lets
// go of it.
Connection adopt_connection(sqlite3* db);

// SQLite's message for the last failure on `db`.
QString sqlite_message(sqlite3* db);

// `name` quoted as an SQL identifier ("QOV" -> "\"QOV\"").
QString quoted_name(const QString& name);

// Runs statements that return no rows. Throws DatabaseError
// "<source>: <cause>", where `source` names what runs (the SQL when empty).
void execute(const Connection& db, const QString& sql, const QString& source = {});

// A prepared statement. Preparing a text that holds more than one statement
// is refused, so that nothing after the first one is silently ignored.
class Statement {
public:
    // Throws DatabaseError "<source>: <cause>" when SQLite rejects the text;
    // `source` is the text the caller wrote (the SQL itself when empty) and
    // names the statement in every error.
    Statement(Connection db, const QString& sql, const QString& source = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* handle() const { return stmt_; }

    // Binds `value` to parameter `index` (1 = first), see bind_value.
    void bind(int index, const QVariant& value);
    // Rewinds the statement to before its first row; bindings stay.
    void reset();
    // Moves to the next row: true when there is one, false at the end.
    // Throws DatabaseError "<source>: <cause>" when SQLite fails.
    bool step();

private:
    Connection db_;
    QString source_;
    sqlite3_stmt* stmt_ = nullptr;
};
