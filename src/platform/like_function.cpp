// SPDX-License-Identifier: GPL-2.0-or-later
#include "like_function.h"

#include "like_pattern.h"

#include <QString>

#include <sqlite3.h>

#include <memory>
#include <new>
#include <string_view>

namespace {

std::string_view text_of(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

void access_like(sqlite3_context* context, int, sqlite3_value** argv)
{
    sqlite3_value* pattern_value = argv[0];
    sqlite3_value* value = argv[1];
    if (sqlite3_value_type(pattern_value) == SQLITE_NULL || sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // SQLite keeps the compiled pattern with the statement as long as the
    // pattern is a constant, so it is compiled once, not once per row.
    if (const auto* kept = static_cast<const LikePattern*>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, kept->matches_utf8(text_of(value)));
        return;
    }
    try {
        const std::string_view pattern_text = text_of(pattern_value);
        auto pattern = std::make_unique<LikePattern>(
            QString::fromUtf8(pattern_text.data(), qsizetype(pattern_text.size())));
        sqlite3_result_int(context, pattern->matches_utf8(text_of(value)));
        // SQLite may free the pattern at once, so nothing uses it after this.
        sqlite3_set_auxdata(context, 0, pattern.release(),
                            [](void* p) { delete static_cast<LikePattern*>(p); });
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(context);
    }
}

} // namespace

int install_access_like(sqlite3* db)
{
    return sqlite3_create_function_v2(db, "like", 2,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                      access_like, nullptr, nullptr, nullptr);
}
