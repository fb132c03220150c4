// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The cursor over one table, in the order of one of its indexes.

#include "database.h"
#include "sqlite_statement.h"

#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class TableRecordset : public Recordset {
public:
    // A cursor over `table` (spelled as in the schema), in the table's
    // primary (rowid) order until setIndex, standing on its first row.
    // Throws DatabaseError when the table cannot be read.
    TableRecordset(Connection db, const QString& table);

    void setIndex(const QString& name) override;
    // Rows whose index columns are equal keep their primary order. Keys bind
    // as bind_value does: dates as ISO text, numbers as numbers. Throws
    // DatabaseError without a current index, for another comparison than
    // "=" or ">=", and for no keys or more keys than the index has columns.
    void Seek(const QString& comparison, const QVariantList& keys) override;
    bool NoMatch() const override { return no_match_; }

    void MoveFirst() override;
    void MoveLast() override;
    // Without a current row (EOF, no match) it does nothing.
    void MoveNext() override;
    bool Eof() const override { return !on_row_; }
    qint64 RecordCount() const override { return count_; }

    QVariant Fields(const QString& name) const override;
    bool HasField(const QString& name) const override { return column(name) >= 0; }

    void Close() override;

private:
    struct IndexColumn {
        QString name;
        bool descending;
    };

    // The statement kept under `key`, prepared from `sql()` on first use.
    template <typename MakeSql>
    Statement& statement(const QString& key, MakeSql sql);
    // Steps `s` and makes its row, if any, the current row.
    void step(Statement& s);
    QString order_by(bool reversed) const;
    qsizetype column(const QString& name) const;
    void require_open() const;
    [[noreturn]] void fail(const QString& cause) const;

    Connection db_;
    QString table_;
    QString quoted_table_;
    QStringList columns_;
    std::vector<bool> date_columns_;
    qint64 count_ = 0;
    std::vector<IndexColumn> index_;
    std::map<QString, std::unique_ptr<Statement>> statements_;
    Statement* current_ = nullptr;
    bool on_row_ = false;
    bool no_match_ = false;
    bool closed_ = false;
};
