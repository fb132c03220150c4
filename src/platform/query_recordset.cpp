// SPDX-License-Identifier: GPL-2.0-or-later
#include "query_recordset.h"

#include "sqlite_values.h"

#include <sqlite3.h>

QueryRecordset::QueryRecordset(const Connection& db, const QString& sql, const QString& source)
    : source_(source)
{
    Statement statement(db, sql, source);
    sqlite3_stmt* stmt = statement.handle();
    if (!sqlite3_stmt_readonly(stmt))
        throw DatabaseError(source + QStringLiteral(": only statements that read can be run"));
    const int count = sqlite3_column_count(stmt);
    std::vector<bool> dates;
    for (int i = 0; i < count; ++i) {
        columns_ << QString::fromUtf8(sqlite3_column_name(stmt, i));
        dates.push_back(is_date_type(sqlite3_column_decltype(stmt, i)));
    }
    while (statement.step()) {
        for (int i = 0; i < count; ++i)
            values_.push_back(column_value(stmt, i, dates[i]));
        ++rows_;
    }
}

void QueryRecordset::setIndex(const QString&)
{
    throw DatabaseError(source_ + QStringLiteral(": a query has no index"));
}

void QueryRecordset::Seek(const QString&, const QVariantList&)
{
    throw DatabaseError(source_ + QStringLiteral(": Seek works on tables only"));
}

void QueryRecordset::MoveFirst()
{
    require_open();
    current_ = 0;
}

void QueryRecordset::MoveLast()
{
    require_open();
    current_ = rows_ > 0 ? rows_ - 1 : 0;
}

void QueryRecordset::MoveNext()
{
    require_open();
    if (current_ < rows_)
        ++current_;
}

QVariant QueryRecordset::Fields(const QString& name) const
{
    require_open();
    const qsizetype index = column(name);
    if (index < 0)
        throw DatabaseError(source_ + QStringLiteral(": no field \"%1\"").arg(name));
    if (Eof())
        throw DatabaseError(source_ + QStringLiteral(": no current row"));
    return values_[size_t(current_ * columns_.size() + index)];
}

qsizetype QueryRecordset::column(const QString& name) const
{
    for (qsizetype i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void QueryRecordset::Close()
{
    values_.clear();
    values_.shrink_to_fit();
    rows_ = 0;
    current_ = 0;
    closed_ = true;
}

void QueryRecordset::require_open() const
{
    if (closed_)
        throw DatabaseError(source_ + QStringLiteral(": the recordset is closed"));
}
