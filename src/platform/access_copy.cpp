// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_copy.h"

#include "access_damage.h"
#include "access_rows.h"

#include <glib.h>  // before mdbtools.h, which needs it in C++
#include <mdbtools.h>
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace {

constexpr int foreign_reference_index = 2;

std::string quoted(const char* name)
{
    std::string result = "\"";
    for (const char* c = name; *c; ++c) {
        if (*c == '"')
            result += '"';
        result += *c;
    }
    return result + '"';
}

const char* column_type(int mdb_type)
{
    switch (mdb_type) {
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
        return "TEXT";
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return "INTEGER";
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
        return "REAL";
    case MDB_DATETIME:
        return "DATETIME";
    default:
        return "BLOB";
    }
}

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

void execute(sqlite3* db, const std::string& sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot copy into memory: " + std::string(sqlite3_errmsg(db))
                                 + " (" + sql + ")");
}

Statement prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot copy into memory: " + std::string(sqlite3_errmsg(db))
                                 + " (" + sql + ")");
    return Statement(statement);
}

MdbColumn* column_at(MdbTableDef* table, unsigned index)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

void create_table(sqlite3* db, MdbTableDef* table)
{
    std::string sql = "CREATE TABLE " + quoted(table->name) + " (";
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const MdbColumn* column = column_at(table, i);
        sql += (i ? ", " : "") + quoted(column->name) + ' ' + column_type(column->col_type);
    }
    // Access itself allows neither empty nor repeated names.
    if (sqlite3_exec(db, (sql + ")").c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw_damaged("the definition of table \"" + std::string(table->name) + "\" is inconsistent ("
                + sqlite3_errmsg(db) + ")");
}

std::string insert_sql(MdbTableDef* table)
{
    std::string sql = "INSERT INTO " + quoted(table->name) + " VALUES (";
    for (unsigned i = 0; i < table->num_cols; ++i)
        sql += i ? ",?" : "?";
    return sql + ")";
}

void create_indexes(sqlite3* db, MdbTableDef* table)
{
    for (unsigned i = 0; i < table->num_idxs; ++i) {
        const auto* index = static_cast<const MdbIndex*>(g_ptr_array_index(table->indices, i));
        // Type 2 marks the far end of a relationship: a reference to an index
        // of another table, not an index of this one.
        if (index->index_type == foreign_reference_index || index->num_keys == 0
            || index->name[0] == '\0')
            continue;
        std::string columns;
        for (unsigned key = 0; key < index->num_keys && key < MDB_MAX_IDX_COLS; ++key) {
            const int number = index->key_col_num[key];
            if (number < 1 || number > static_cast<int>(table->num_cols))
                throw_damaged("index \"" + std::string(index->name) + "\" of table \""
                        + std::string(table->name) + "\" names a column the table lacks");
            columns += (key ? ", " : "") + quoted(column_at(table, number - 1)->name)
                       + (index->key_col_order[key] == MDB_DESC ? " DESC" : "");
        }
        const std::string rest = " ON " + quoted(table->name) + " (" + columns + ")";
        const std::string sql = "CREATE INDEX " + quoted(index->name) + rest;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            const std::string qualified = std::string(table->name) + '.' + index->name;
            execute(db, "CREATE INDEX " + quoted(qualified.c_str()) + rest);
        }
    }
}

bool is_user_table(MdbCatalogEntry* entry)
{
    return entry->object_type == MDB_TABLE && mdb_is_user_table(entry)
           && g_ascii_strncasecmp(entry->object_name, "MSys", 4) != 0;
}

void copy_table(MdbCatalogEntry* entry, sqlite3* db, std::span<const std::uint8_t> file)
{
    const std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
    const std::string name = entry->object_name;
    if (!table || !mdb_read_columns(table.get()))
        throw_damaged("cannot read the definition of table \"" + name + "\"");
    mdb_read_indices(table.get());  // its return value means nothing
    if (!table->indices)
        throw_damaged("cannot read the indexes of table \"" + name + "\"");
    if (table->num_cols == 0)
        throw_damaged("table \"" + name + "\" has no columns");
    create_table(db, table.get());
    copy_access_rows(table.get(), prepare(db, insert_sql(table.get())).get(), file);
    create_indexes(db, table.get());
}

}  // namespace

sqlite3* copy_access_tables(std::span<std::uint8_t> file)
{
    const std::unique_ptr<MdbHandle, MdbCloser> mdb(mdb_open_buffer(file.data(), file.size(), MDB_NOFLAGS));
    if (!mdb)
        throw_damaged("libmdb cannot open it");
    GPtrArray* catalog = mdb_read_catalog(mdb.get(), MDB_TABLE);
    if (!catalog)
        throw_damaged("cannot read the table catalog");

    sqlite3* raw_db = nullptr;
    const int opened = sqlite3_open(":memory:", &raw_db);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw_db);
    if (opened != SQLITE_OK)
        throw std::runtime_error("cannot create the in-memory database");
    execute(db.get(), "PRAGMA journal_mode=OFF");
    execute(db.get(), "BEGIN");
    for (unsigned i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (is_user_table(entry))
            copy_table(entry, db.get(), file);
    }
    execute(db.get(), "COMMIT");
    return db.release();
}
