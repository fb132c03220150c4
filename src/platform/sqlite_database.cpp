// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlite_database.h"

#include "like_function.h"
#include "query_recordset.h"
#include "saved_queries.h"
#include "sql_dialect.h"
#include "table_recordset.h"

#include <sqlite3.h>

namespace {

// The name `source` gives when it is one name, bare or in brackets ("QOV",
// "[Bibel]"); empty text when it is anything else (a statement).
QString single_name(const QString& source)
{
    const QString text = source.trimmed();
    if (text.size() > 2 && text.startsWith(u'[') && text.endsWith(u']')) {
        const QString inner = text.sliced(1, text.size() - 2);
        return inner.contains(u'[') || inner.contains(u']') ? QString() : inner;
    }
    for (QChar c : text)
        if (!c.isLetterOrNumber() && c != u'_')
            return {};
    return text;
}

} // namespace

SqliteDatabase::SqliteDatabase(sqlite3* db, const QString& path) : db_(adopt_connection(db)), path_(path)
{
    // Failures here concern the file, so they name it and not the SQL.
    execute(db_, QStringLiteral("PRAGMA temp_store = MEMORY"), path_);
    // Keep every page once read (the program's files are a few MB): the
    // cache has room for them, and the exclusive mode keeps it from one
    // statement to the next instead of checking the file again. Nothing
    // writes to the file, and the read-only files take no locks at all.
    execute(db_, QStringLiteral("PRAGMA cache_size = -65536"), path_);
    execute(db_, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), path_);
    if (install_access_like(db_.get()) != SQLITE_OK)
        throw DatabaseError(path_ + QStringLiteral(": ") + sqlite_message(db_.get()));
    read_schema();
    const bool has_saved_query_tables = find(QStringLiteral("QOV")) && find(QStringLiteral("AutorenNeu"));
    if (!has_saved_query_tables)
        return;
    if (!find(QStringLiteral("vw1qov")))
        execute(db_, vw1qov_view_sql(true), path_);
    if (!find(QStringLiteral("VW1AutorenAktiv")))
        execute(db_, vw1autorenaktiv_view_sql(true), path_);
    read_schema();
}

void SqliteDatabase::read_schema()
{
    objects_.clear();
    Statement list(db_, QStringLiteral("SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') "
                                       "AND substr(name, 1, 7) <> 'sqlite_' "
                                       "UNION ALL SELECT name, type FROM sqlite_temp_schema "
                                       "WHERE type IN ('table', 'view')"),
                   path_);
    while (list.step()) {
        const auto text = [&](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list.handle(), column)));
        };
        objects_.push_back({text(0), text(1) == u"view"});
    }
}

const SqliteDatabase::SchemaObject* SqliteDatabase::find(const QString& name) const
{
    for (const SchemaObject& object : objects_)
        if (object.name.compare(name, Qt::CaseInsensitive) == 0)
            return &object;
    return nullptr;
}

std::unique_ptr<Recordset> SqliteDatabase::OpenRecordset(const QString& source)
{
    if (observer_)
        observer_(source);
    const QString name = single_name(source);
    if (name.isEmpty())
        return std::make_unique<QueryRecordset>(db_, translate_access_sql(source), source);
    const SchemaObject* object = find(name);
    if (!object)
        throw DatabaseError(source + QStringLiteral(": no table or query of that name in ") + path_);
    if (object->view)
        return std::make_unique<QueryRecordset>(db_, QStringLiteral("SELECT * FROM ") + quoted_name(object->name),
                                                source);
    return std::make_unique<TableRecordset>(db_, object->name);
}
