// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_copy.h"

#include "access_damage.h"
#include "access_rows.h"

#include <glib.h>  // before mdbtools.h, which needs it in C++
#include <mdbtools.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

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

bool named_in(const char* name, const std::vector<std::string>& names)
{
    for (const std::string& candidate : names)
        if (g_ascii_strcasecmp(name, candidate.c_str()) == 0)
            return true;
    return false;
}

const MdbIndex* index_at(MdbTableDef* table, unsigned index)
{
    return static_cast<const MdbIndex*>(g_ptr_array_index(table->indices, index));
}

// The key columns of `index` by their 0-based numbers; damaged when one
// names a column the table lacks.
std::vector<unsigned> key_columns(MdbTableDef* table, const MdbIndex* index)
{
    std::vector<unsigned> columns;
    for (unsigned key = 0; key < index->num_keys && key < MDB_MAX_IDX_COLS; ++key) {
        const int number = index->key_col_num[key];
        if (number < 1 || number > static_cast<int>(table->num_cols))
            throw_damaged("index \"" + std::string(index->name) + "\" of table \""
                    + std::string(table->name) + "\" names a column the table lacks");
        columns.push_back(static_cast<unsigned>(number - 1));
    }
    return columns;
}

// The insert parameter of each column of `table`: 1, 2, ... for the columns
// the copy holds, in table order, and 0 for those it leaves out.
std::vector<int> copied_columns(MdbTableDef* table, const AccessSelection& selection)
{
    std::vector<bool> wanted(table->num_cols, selection.table.empty());
    for (unsigned i = 0; i < table->num_cols; ++i)
        wanted[i] = wanted[i] || named_in(column_at(table, i)->name, selection.columns);
    for (unsigned i = 0; i < table->num_idxs; ++i) {
        const MdbIndex* index = index_at(table, i);
        if (index->index_type != foreign_reference_index && index->name[0] != '\0'
            && named_in(index->name, selection.indexes))
            for (const unsigned column : key_columns(table, index))
                wanted[column] = true;
    }
    std::vector<int> parameters(table->num_cols, 0);
    int next = 0;
    for (unsigned i = 0; i < table->num_cols; ++i)
        if (wanted[i])
            parameters[i] = ++next;
    return parameters;
}

void create_table(sqlite3* db, MdbTableDef* table, const std::vector<int>& parameters)
{
    std::string sql = "CREATE TABLE " + quoted(table->name) + " (";
    std::string separator;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        if (parameters[i] == 0)
            continue;
        const MdbColumn* column = column_at(table, i);
        sql += separator + quoted(column->name) + ' ' + column_type(column->col_type);
        separator = ", ";
    }
    // Access itself allows neither empty nor repeated names.
    if (sqlite3_exec(db, (sql + ")").c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw_damaged("the definition of table \"" + std::string(table->name) + "\" is inconsistent ("
                + sqlite3_errmsg(db) + ")");
}

std::string insert_sql(MdbTableDef* table, int columns)
{
    std::string sql = "INSERT INTO " + quoted(table->name) + " VALUES (";
    for (int i = 0; i < columns; ++i)
        sql += i ? ",?" : "?";
    return sql + ")";
}

void create_indexes(sqlite3* db, MdbTableDef* table, const std::vector<int>& parameters)
{
    for (unsigned i = 0; i < table->num_idxs; ++i) {
        const MdbIndex* index = index_at(table, i);
        // Type 2 marks the far end of a relationship: a reference to an index
        // of another table, not an index of this one.
        if (index->index_type == foreign_reference_index || index->num_keys == 0
            || index->name[0] == '\0')
            continue;
        const std::vector<unsigned> keys = key_columns(table, index);
        std::string columns;
        bool copied = true;
        for (std::size_t key = 0; key < keys.size(); ++key) {
            copied = copied && parameters[keys[key]] != 0;
            columns += (key ? ", " : "") + quoted(column_at(table, keys[key])->name)
                       + (index->key_col_order[key] == MDB_DESC ? " DESC" : "");
        }
        if (!copied)
            continue;
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

void copy_table(MdbCatalogEntry* entry, sqlite3* db, std::span<const std::uint8_t> file,
                const AccessSelection& selection)
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
    const std::vector<int> parameters = copied_columns(table.get(), selection);
    const int columns = *std::max_element(parameters.begin(), parameters.end());
    if (columns == 0)
        return;
    create_table(db, table.get(), parameters);
    copy_access_rows(table.get(), prepare(db, insert_sql(table.get(), columns)).get(), file, parameters);
    create_indexes(db, table.get(), parameters);
}

}  // namespace

sqlite3* copy_access_tables(std::span<std::uint8_t> file, const AccessSelection& selection)
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
        if (is_user_table(entry)
            && (selection.table.empty() || g_ascii_strcasecmp(entry->object_name, selection.table.c_str()) == 0))
            copy_table(entry, db.get(), file, selection);
    }
    execute(db.get(), "COMMIT");
    return db.release();
}
