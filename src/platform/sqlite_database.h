// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A Database over one SQLite connection: a read-only SQLite file, or the
// in-memory copy of an Access file.

#include "database.h"
#include "sqlite_statement.h"

#include <vector>

class SqliteDatabase : public Database {
public:
    // Takes ownership of `db`. Keeps temporary objects in memory (so nothing
    // is ever written beside the file), gives the connection the Access LIKE
    // and adds, as temporary views, the saved queries the file lacks. Throws
    // DatabaseError "<path>: <cause>" when the file's schema cannot be read.
    SqliteDatabase(sqlite3* db, const QString& path);

    std::unique_ptr<Recordset> OpenRecordset(const QString& source) override;
    QString path() const override { return path_; }
    void setQueryObserver(QueryObserver observer) override { observer_ = std::move(observer); }

private:
    struct SchemaObject {
        QString name; // as the schema spells it
        bool view;
    };

    void read_schema();
    const SchemaObject* find(const QString& name) const;

    Connection db_;
    QString path_;
    QueryObserver observer_;
    std::vector<SchemaObject> objects_;
};
