// SPDX-License-Identifier: GPL-2.0-or-later
// Column types the fixtures lack, made by changing the declared type of a
// fixture column to one that reads the same stored bytes differently.

#include "database_test_support.h"

namespace {

constexpr qsizetype page_size = 4096;
constexpr qsizetype columns_start = 63;   // Jet4 table definition
constexpr qsizetype real_index_entry = 12;
constexpr qsizetype column_entry = 25;

enum AccessType : char { yes_no = 0x01, byte_type = 0x02, integer = 0x03, double_type = 0x07 };

// Sets the type of column `column` (0-based) of the table whose definition
// page names `a_column_name`.
void retype(QByteArray& file, const QString& a_column_name, int column, AccessType type)
{
    const QByteArray name(reinterpret_cast<const char*>(a_column_name.utf16()), a_column_name.size() * 2);
    for (qsizetype page = 1; page < file.size() / page_size; ++page) {
        const qsizetype base = page * page_size;
        if (file[base] != 0x02 || !file.mid(base, page_size).contains(name))
            continue;
        const auto real_indexes = static_cast<uchar>(file[base + 51]);
        file[base + columns_start + real_indexes * real_index_entry + column * column_entry] = type;
        return;
    }
    ADD_FAILURE() << "no definition names " << a_column_name.toStdString();
}

struct Retype {
    QString a_column_name;
    int column;
    AccessType type;
};

SqliteDb import_retyped(const QList<Retype>& changes)
{
    QByteArray file = file_bytes(jet_fixture("qov_fixture.mdb"));
    for (const Retype& change : changes)
        retype(file, change.a_column_name, change.column, change.type);
    const QString path = temp_path(u"retyped.mdb"_qs);
    write_file(path, file);
    return imported(path);
}

}  // namespace

TEST(AccessColumnTypes, ByteIntegerDoubleAndYesNoColumns)
{
    struct Case {
        const char* name;
        QList<Retype> changes;
        const char* types_sql;
        QString types;
        const char* values_sql;
        QString values;
    };
    const Case cases[] = {
        {"byte is unsigned, integer is sixteen bits",
         {{u"maxkapitel"_qs, 0, integer}, {u"maxkapitel"_qs, 2, byte_type}},
         "SELECT group_concat(type) FROM pragma_table_info('Bibel')", u"INTEGER,TEXT,INTEGER"_qs,
         "SELECT group_concat(Lfdnr || ':' || maxkapitel) FROM Bibel", u"1:50,2:40,19:150,40:28,42:24,66:22"_qs},
        {"double keeps the stored number", {{u"Datum"_qs, 0, double_type}},
         "SELECT type FROM pragma_table_info('QOV') WHERE name = 'Datum'", u"REAL"_qs,
         "SELECT group_concat(printf('%.9f', Datum)) FROM (SELECT Datum FROM QOV ORDER BY Datum)",
         u"45292.000000000,45382.271006944,45651.000000000"_qs},
        // The value of a yes/no field lives in the row's null mask: the set
        // bits of the non-null AID values read as yes, which is -1.
        {"yes/no", {{u"Vorname"_qs, 0, yes_no}},
         "SELECT type FROM pragma_table_info('AutorenNeu') WHERE name = 'AID'", u"INTEGER"_qs,
         "SELECT group_concat(AID || ':' || Nachname) FROM AutorenNeu", u"-1:Müller,-1:Weiß,-1:Groß"_qs},
    };
    for (const Case& c : cases) {
        const SqliteDb db = import_retyped(c.changes);
        EXPECT_EQ(sqlite_value(db.get(), c.types_sql), c.types) << c.name;
        EXPECT_EQ(sqlite_value(db.get(), c.values_sql), c.values) << c.name;
    }
}
