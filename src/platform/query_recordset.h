// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The cursor over the rows of a SELECT.

#include "database.h"
#include "sqlite_statement.h"

#include <QStringList>

#include <vector>

class QueryRecordset : public Recordset {
public:
    // Runs `sql` (in SQLite's dialect) at once and keeps all its rows, so the
    // count is exact from the start; the program's result sets are small.
    // `source` is the text the caller gave; errors carry it. Throws
    // DatabaseError "<source>: <cause>" when SQLite refuses or fails, also for
    // a statement that would change the database.
    QueryRecordset(const Connection& db, const QString& sql, const QString& source);

    // A query has no index: both throw DatabaseError.
    void setIndex(const QString& name) override;
    void Seek(const QString& comparison, const QVariantList& keys) override;
    bool NoMatch() const override { return false; }

    void MoveFirst() override;
    void MoveLast() override;
    // At EOF it does nothing.
    void MoveNext() override;
    bool Eof() const override { return current_ >= rows_; }
    qint64 RecordCount() const override { return rows_; }

    QVariant Fields(const QString& name) const override;
    bool HasField(const QString& name) const override { return column(name) >= 0; }

    void Close() override;

private:
    qsizetype column(const QString& name) const;
    void require_open() const;

    QString source_;
    QStringList columns_;
    std::vector<QVariant> values_; // row after row
    qsizetype rows_ = 0;
    qsizetype current_ = 0;
    bool closed_ = false;
};
