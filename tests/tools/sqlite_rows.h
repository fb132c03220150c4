#pragma once
// Reads the generated SQLite files for the tests: one query, all rows, values
// as QVariant (NULL as an invalid QVariant).

#include <QString>
#include <QVariant>

#include <vector>

using Row = std::vector<QVariant>;

// Runs `sql` on the file at `path`, opened read-only; fails the calling test
// (and returns no rows) when the file or the query cannot be used.
std::vector<Row> sqlite_rows(const QString& path, const QString& sql);

// The single value of a one-row, one-column query.
QVariant sqlite_value(const QString& path, const QString& sql);
