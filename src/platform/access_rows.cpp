// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_rows.h"

#include "access_damage.h"
#include "access_long_value.h"
#include "access_values.h"

#include <glib.h>  // before mdbtools.h, which needs it in C++
#include <mdbtools.h>
#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int offset_mask = 0x1FFF;
constexpr int deleted_row_flag = 0x4000;
// UTF-8 needs at most three bytes for a character of a Windows code page.
constexpr std::size_t utf8_bytes_per_code_page_byte = 3;

MdbColumn* column_at(MdbTableDef* table, unsigned index)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

// The little-endian number in the first `size` bytes.
std::uint64_t read_uint(std::span<const std::uint8_t> bytes, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

class RowCopier {
public:
    RowCopier(MdbTableDef* table, sqlite3_stmt* insert, std::span<const std::uint8_t> file,
              const std::vector<int>& parameters)
        : mdb_(table->entry->mdb), table_(table), insert_(insert), file_(file),
          layout_{static_cast<int>(mdb_->fmt->pg_size), mdb_->fmt->row_count_offset},
          jet3_(mdb_->f->jet_version == MDB_VER_JET3), parameters_(parameters), fields_(table->num_cols),
          texts_(table->num_cols)
    {
    }

    void copy_rows()
    {
        mdb_rewind_table(table_);
        while (mdb_read_next_dpg(table_)) {
            const int rows = mdb_get_int16(mdb_->pg_buf, mdb_->fmt->row_count_offset);
            for (int row = 0; row < rows; ++row)
                copy_row(row);
        }
    }

private:
    // Row slots that do not hold a live row are passed over, as libmdb's own
    // row reader does.
    void copy_row(int row)
    {
        int start = 0;
        std::size_t size = 0;
        if (mdb_find_row(mdb_, row, &start, &size) != 0 || size == 0 || (start & deleted_row_flag))
            return;
        const int fields = mdb_crack_row(table_, start & offset_mask, size, fields_.data());
        if (fields < 0)
            return;
        // libmdb fills one field per column of the table but returns the
        // number of columns the row itself claims, which a damaged row (or
        // one written before columns were deleted) makes larger.
        const int filled = std::min(fields, static_cast<int>(table_->num_cols));
        for (int i = 0; i < filled; ++i) {
            const MdbField& field = fields_[i];
            if (field.colnum < 0 || field.colnum >= static_cast<int>(table_->num_cols))
                throw_damaged("a row of table \"" + std::string(table_->name) + "\" names a column it lacks");
            if (const int param = parameters_[field.colnum])
                bind(field.colnum, param, field);
        }
        if (sqlite3_step(insert_) != SQLITE_DONE)
            throw std::runtime_error("cannot copy into memory: "
                                     + std::string(sqlite3_errmsg(sqlite3_db_handle(insert_))));
        sqlite3_reset(insert_);
        sqlite3_clear_bindings(insert_);
    }

    std::span<const std::uint8_t> field_bytes(const MdbField& field, int at_least) const
    {
        if (field.start < 0 || field.siz < at_least || field.start + field.siz > mdb_->fmt->pg_size)
            throw_damaged("a value in table \"" + std::string(table_->name) + "\" lies outside its page");
        return {mdb_->pg_buf + field.start, static_cast<std::size_t>(field.siz)};
    }

    std::string_view long_value(const MdbField& field)
    {
        return long_value_bytes(field_bytes(field, 0), file_, layout_, scratch_);
    }

    // Decodes stored text (Jet4: UTF-16, maybe compressed; Jet3: the file's
    // code page, through libmdb) into the column's text buffer, which stays
    // bound until the row is inserted.
    void bind_text(int column, int param, std::string_view stored)
    {
        std::string& text = texts_[column];
        if (jet3_) {
            text.resize(stored.size() * utf8_bytes_per_code_page_byte + 1);
            const int length = mdb_unicode2ascii(mdb_, stored.data(), stored.size(), text.data(), text.size());
            text.resize(static_cast<std::size_t>(std::max(length, 0)));
        } else {
            jet4_text_to_utf8(stored, text);
        }
        sqlite3_bind_text64(insert_, param, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
    }

    void bind(int column, int param, const MdbField& field)
    {
        sqlite3_stmt* insert = insert_;
        const int type = column_at(table_, column)->col_type;
        // Yes/no values live in the null mask: a set bit means yes.
        if (type == MDB_BOOL) {
            sqlite3_bind_int(insert, param, field.is_null ? 0 : -1);
            return;
        }
        if (field.is_null)
            return;
        switch (type) {
        case MDB_BYTE:
            sqlite3_bind_int(insert, param, field_bytes(field, 1)[0]);
            break;
        case MDB_INT:
            sqlite3_bind_int(insert, param, static_cast<std::int16_t>(read_uint(field_bytes(field, 2), 2)));
            break;
        case MDB_LONGINT:
            sqlite3_bind_int(insert, param, static_cast<std::int32_t>(read_uint(field_bytes(field, 4), 4)));
            break;
        case MDB_MONEY:
            // Currency is a whole number of ten-thousandths.
            sqlite3_bind_double(insert, param,
                                static_cast<double>(static_cast<std::int64_t>(read_uint(field_bytes(field, 8), 8)))
                                    / 10000.0);
            break;
        case MDB_FLOAT:
            sqlite3_bind_double(insert, param, single_as_double(std::bit_cast<float>(
                                                   static_cast<std::uint32_t>(read_uint(field_bytes(field, 4), 4)))));
            break;
        case MDB_DOUBLE:
            sqlite3_bind_double(insert, param, std::bit_cast<double>(read_uint(field_bytes(field, 8), 8)));
            break;
        case MDB_NUMERIC:
            bind_numeric(column, param, field);
            break;
        case MDB_DATETIME: {
            const double days = std::bit_cast<double>(read_uint(field_bytes(field, 8), 8));
            if (const auto iso = access_date_text(days))
                sqlite3_bind_text(insert, param, iso->data(), static_cast<int>(iso->size()), SQLITE_TRANSIENT);
            else
                sqlite3_bind_double(insert, param, days);
            break;
        }
        case MDB_TEXT: {
            const auto bytes = field_bytes(field, 0);
            bind_text(column, param, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            break;
        }
        case MDB_MEMO:
            bind_text(column, param, long_value(field));
            break;
        case MDB_REPID:
            field_bytes(field, 16);
            sqlite3_bind_text(insert, param, mdb_uuid_to_string(mdb_->pg_buf, field.start), -1, g_free);
            break;
        case MDB_OLE: {
            const std::string_view bytes = long_value(field);
            sqlite3_bind_blob64(insert, param, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const auto bytes = field_bytes(field, 0);
            sqlite3_bind_blob64(insert, param, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
            break;
        }
        }
    }

    // Decimal values as libmdb spells them; kept as that text should it not
    // read as a number.
    void bind_numeric(int column, int param, const MdbField& field)
    {
        field_bytes(field, 17);
        const MdbColumn* definition = column_at(table_, column);
        char* text = mdb_numeric_to_string(mdb_, field.start, definition->col_scale, definition->col_prec);
        double value = 0;
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), value);
        if (error == std::errc() && *end == '\0') {
            sqlite3_bind_double(insert_, param, value);
            g_free(text);
        } else {
            sqlite3_bind_text(insert_, param, text, -1, g_free);
        }
    }

    MdbHandle* mdb_;
    MdbTableDef* table_;
    sqlite3_stmt* insert_;
    std::span<const std::uint8_t> file_;
    PageLayout layout_;
    bool jet3_;
    const std::vector<int>& parameters_;
    std::vector<MdbField> fields_;
    std::vector<std::string> texts_;
    std::string scratch_;
};

}  // namespace

void copy_access_rows(MdbTableDef* table, sqlite3_stmt* insert, std::span<const std::uint8_t> file,
                      const std::vector<int>& parameters)
{
    RowCopier(table, insert, file, parameters).copy_rows();
}
