// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small writer for fresh SQLite files: runs statements and inserts rows with
// bound values, throwing on the first failure.

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteFile {
public:
    // Creates the file at `path`, replacing any file of that name.
    explicit SqliteFile(const QString& path);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void exec(const QString& sql);

    // A prepared statement whose parameters are bound from QVariants: Null
    // (invalid) binds NULL, integers bind INTEGER, everything else TEXT.
    class Statement {
    public:
        Statement(SqliteFile& file, const QString& sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;
        void run(const QVariantList& values);

    private:
        SqliteFile& file_;
        sqlite3_stmt* stmt_ = nullptr;
    };

    // Finishes the file: nothing is pending afterwards.
    void close();

private:
    [[noreturn]] void fail(const QString& what) const;
    QString path_;
    sqlite3* db_ = nullptr;
};

// Writes the file `path` as a whole: `write` fills a fresh file beside it,
// which then takes the place of `path` in one step, so that `path` is never
// half-written. When `write` throws, the fresh file goes and `path` stays as
// it was. Throws SqliteError when the fresh file cannot be created or moved.
void replace_whole_file(const QString& path, const std::function<void(const QString& fresh)>& write);
