// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// SQLite for the tests: writing small databases and reading rows back.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

struct sqlite3;

using Row = QVariantList;

// Runs `sql` (any number of statements) on the SQLite file at `path`, made
// when it does not exist. A failed statement fails the calling test, ends
// the run and gives false.
bool sqlite_exec(const QString& path, const QString& sql);
bool sqlite_exec(const QString& path, const QStringList& statements);

// The rows of a query: Null as an invalid QVariant, whole numbers as qint64,
// reals as double, text as QString, blobs as QByteArray. A query that
// cannot run fails the calling test and gives no rows. By path the file is
// opened read-only.
QList<Row> sqlite_rows(sqlite3* db, const QString& sql);
QList<Row> sqlite_rows(const QString& path, const QString& sql);

// The first value of the first row.
QVariant sqlite_value(sqlite3* db, const QString& sql);
QVariant sqlite_value(const QString& path, const QString& sql);

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
