// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An SQLite file the user owns and the program writes (the personal store),
// unlike the data files, which are only ever read. Every change runs in one
// transaction on a file in WAL mode with full syncs, so a crash loses at most
// the change in flight.

#include "database.h"
#include "sqlite_statement.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <vector>

class WritableSqlite {
public:
    // Opens `path`; `writable` creates it when missing. Nothing is written
    // until a change. Throws DatabaseError "<path>: <cause>", with the
    // failure `damaged` when the file is no SQLite file or fails SQLite's
    // quick check.
    WritableSqlite(const QString& path, bool writable);

    // Switches the file to WAL with synchronous=FULL, for every later change.
    void make_durable();

    // The rows of `sql` with `parameters` bound in order, each row its
    // columns' values. Throws DatabaseError.
    std::vector<QVariantList> rows(const QString& sql, const QVariantList& parameters = {}) const;
    // Runs one statement that returns no rows; the number of rows it changed.
    int run(const QString& sql, const QVariantList& parameters = {});
    // Runs `work` inside BEGIN IMMEDIATE ... COMMIT; a throw rolls it back
    // and is passed on.
    void transaction(const std::function<void()>& work);

    QString path() const { return path_; }

private:
    Connection db_;
    QString path_;
};
