#include "sqlite_rows.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

std::vector<Row> sqlite_rows(const QString& path, const QString& sql)
{
    std::vector<Row> rows;
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        ADD_FAILURE() << path.toStdString() << ": " << sql.toStdString() << ": " << sqlite3_errmsg(db);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        Row& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const int type = sqlite3_column_type(stmt, i);
            if (type == SQLITE_NULL)
                row.emplace_back();
            else if (type == SQLITE_INTEGER)
                row.emplace_back(qint64(sqlite3_column_int64(stmt, i)));
            else
                row.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                                   sqlite3_column_bytes(stmt, i)));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QVariant sqlite_value(const QString& path, const QString& sql)
{
    const auto rows = sqlite_rows(path, sql);
    if (rows.size() == 1 && rows[0].size() == 1)
        return rows[0][0];
    ADD_FAILURE() << sql.toStdString() << " gave " << rows.size() << " rows";
    return {};
}
