// SPDX-License-Identifier: GPL-2.0-or-later
#include "table_recordset.h"

#include "sqlite_values.h"

#include <sqlite3.h>

TableRecordset::TableRecordset(Connection db, const QString& table)
    : db_(std::move(db)), table_(table), quoted_table_(quoted_name(table))
{
    Statement count(db_, QStringLiteral("SELECT count(*) FROM ") + quoted_table_);
    count.step();
    count_ = sqlite3_column_int64(count.handle(), 0);
    MoveFirst();
    sqlite3_stmt* first = current_->handle();
    for (int i = 0; i < sqlite3_column_count(first); ++i) {
        columns_ << QString::fromUtf8(sqlite3_column_name(first, i));
        date_columns_.push_back(is_date_type(sqlite3_column_decltype(first, i)));
    }
}

template <typename MakeSql>
Statement& TableRecordset::statement(const QString& key, MakeSql sql)
{
    std::unique_ptr<Statement>& kept = statements_[key];
    if (!kept)
        kept = std::make_unique<Statement>(db_, sql());
    return *kept;
}

void TableRecordset::step(Statement& s)
{
    current_ = &s;
    on_row_ = s.step();
}

QString TableRecordset::order_by(bool reversed) const
{
    QStringList terms;
    for (const IndexColumn& c : index_)
        terms << quoted_name(c.name) + (c.descending != reversed ? QStringLiteral(" DESC") : QString());
    // Equal keys keep the primary order.
    terms << (reversed ? QStringLiteral("rowid DESC") : QStringLiteral("rowid"));
    return QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
}

void TableRecordset::setIndex(const QString& name)
{
    require_open();
    Statement list(db_, QStringLiteral("SELECT name FROM pragma_index_list(?1)"));
    list.bind(1, table_);
    QString found;
    while (found.isEmpty() && list.step()) {
        const QString candidate =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list.handle(), 0)));
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            found = candidate;
    }
    if (found.isEmpty())
        fail(QStringLiteral("no index \"%1\"").arg(name));

    Statement columns(db_, QStringLiteral("SELECT name, desc FROM pragma_index_xinfo(?1) "
                                          "WHERE key = 1 ORDER BY seqno"));
    columns.bind(1, found);
    std::vector<IndexColumn> index;
    while (columns.step()) {
        const auto* column = reinterpret_cast<const char*>(sqlite3_column_text(columns.handle(), 0));
        if (!column)
            fail(QStringLiteral("index \"%1\" is built on an expression, not on fields").arg(found));
        index.push_back({QString::fromUtf8(column), sqlite3_column_int(columns.handle(), 1) != 0});
    }
    index_ = std::move(index);
    current_ = nullptr;
    statements_.clear();
    MoveFirst();
}

void TableRecordset::Seek(const QString& comparison, const QVariantList& keys)
{
    require_open();
    const QString op = comparison.trimmed();
    if (op != u"=" && op != u">=")
        fail(QStringLiteral("Seek with \"%1\" is not supported (only \"=\" and \">=\")").arg(comparison));
    if (index_.empty())
        fail(QStringLiteral("Seek needs an index; none is set"));
    const qsizetype n = keys.size();
    if (n == 0 || n > qsizetype(index_.size()))
        fail(QStringLiteral("Seek with %1 keys on an index of %2 fields").arg(n).arg(index_.size()));

    Statement& seek = statement(QStringLiteral("seek %1").arg(n), [&] {
        // The first row at or after the keys in index order, and whether its
        // leading index fields equal them; the cursor then reads on through
        // the rest of the table.
        QStringList fields;
        QStringList parameters;
        bool mixed_directions = false;
        for (qsizetype i = 0; i < n; ++i) {
            fields << quoted_name(index_[i].name);
            parameters << QStringLiteral("?%1").arg(i + 1);
            mixed_directions = mixed_directions || index_[i].descending != index_[0].descending;
        }
        const QString field_row = u'(' + fields.join(QStringLiteral(", ")) + u')';
        const QString key_row = u'(' + parameters.join(QStringLiteral(", ")) + u')';
        QString at_or_after;
        if (!mixed_directions) {
            // A row value comparison, which SQLite answers from the index.
            at_or_after = field_row + (index_[0].descending ? QStringLiteral(" <= ") : QStringLiteral(" >= "))
                + key_row;
        } else {
            QStringList alternatives;
            for (qsizetype i = 0; i < n; ++i) {
                QStringList terms;
                for (qsizetype j = 0; j < i; ++j)
                    terms << fields[j] + QStringLiteral(" = ") + parameters[j];
                const bool last = i == n - 1;
                const QString less = last ? QStringLiteral(" <= ") : QStringLiteral(" < ");
                const QString greater = last ? QStringLiteral(" >= ") : QStringLiteral(" > ");
                terms << fields[i] + (index_[i].descending ? less : greater) + parameters[i];
                alternatives << u'(' + terms.join(QStringLiteral(" AND ")) + u')';
            }
            at_or_after = u'(' + alternatives.join(QStringLiteral(" OR ")) + u')';
        }
        return QStringLiteral("SELECT *, %1 = %2 FROM %3 WHERE %4")
                   .arg(field_row, key_row, quoted_table_, at_or_after)
            + order_by(false);
    });
    seek.reset();
    for (qsizetype i = 0; i < n; ++i)
        seek.bind(int(i) + 1, keys[i]);
    step(seek);
    const bool equal = on_row_ && sqlite3_column_int(seek.handle(), int(columns_.size())) == 1;
    no_match_ = !on_row_ || (op == u"=" && !equal);
    if (no_match_)
        on_row_ = false;
}

void TableRecordset::MoveFirst()
{
    require_open();
    Statement& first = statement(QStringLiteral("first"), [&] {
        return QStringLiteral("SELECT * FROM ") + quoted_table_ + order_by(false);
    });
    first.reset();
    step(first);
}

void TableRecordset::MoveLast()
{
    require_open();
    Statement& last = statement(QStringLiteral("last"), [&] {
        return QStringLiteral("SELECT * FROM ") + quoted_table_ + order_by(true) + QStringLiteral(" LIMIT 1");
    });
    last.reset();
    step(last);
}

void TableRecordset::MoveNext()
{
    require_open();
    if (on_row_)
        step(*current_);
}

QVariant TableRecordset::Fields(const QString& name) const
{
    require_open();
    const qsizetype index = column(name);
    if (index < 0)
        fail(QStringLiteral("no field \"%1\"").arg(name));
    if (!on_row_)
        fail(QStringLiteral("no current row"));
    return column_value(current_->handle(), int(index), date_columns_[size_t(index)]);
}

qsizetype TableRecordset::column(const QString& name) const
{
    for (qsizetype i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TableRecordset::Close()
{
    current_ = nullptr;
    statements_.clear();
    on_row_ = false;
    closed_ = true;
}

void TableRecordset::require_open() const
{
    if (closed_)
        fail(QStringLiteral("the recordset is closed"));
}

void TableRecordset::fail(const QString& cause) const
{
    throw DatabaseError(table_ + QStringLiteral(": ") + cause);
}
