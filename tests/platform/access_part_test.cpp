// SPDX-License-Identifier: GPL-2.0-or-later
// A part of an Access file copied instead of the whole, and what the first
// pages of a file tell without copying anything.

#include "database_test_support.h"

#include <QDir>

#include <optional>
#include <random>

namespace {

using Rows = QList<QVariantList>;

std::optional<FileFailure> check_failure(const QString& path, const QString& connect)
{
    try {
        check_database_file(path, connect);
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(path)) << error.what();
        return error.failure();
    }
    return std::nullopt;
}

std::optional<FileFailure> open_failure(const QString& path, const QString& connect)
{
    try {
        OpenDatabase(path, false, false, connect);
    } catch (const DatabaseError& error) {
        return error.failure();
    }
    return std::nullopt;
}

}  // namespace

TEST(AccessPart, CopiesOnlyTheChosenColumnsOfOneTableWithTheirIndexes)
{
    const QString qov = jet_fixture("qov_fixture.mdb");
    const SqliteDb whole = imported(qov);
    const QString schema = u"SELECT type, name, sql FROM sqlite_master ORDER BY name"_qs;
    struct Case {
        AccessSelection selection;
        Rows schema;
        QString rows;  // a query on the part, whose rows equal those of the whole copy
    };
    const Case cases[] = {
        {{"QOV", {"datum"}, {"Datum"}},
         {{u"index"_qs, u"Datum"_qs, u"CREATE INDEX \"Datum\" ON \"QOV\" (\"Datum\")"_qs},
          {u"table"_qs, u"QOV"_qs, u"CREATE TABLE \"QOV\" (\"Datum\" DATETIME)"_qs}},
         u"SELECT Datum FROM QOV ORDER BY Datum"_qs},
        // Names in any case; an index brings its columns along.
        {{"qov", {}, {"DATUM"}},
         {{u"index"_qs, u"Datum"_qs, u"CREATE INDEX \"Datum\" ON \"QOV\" (\"Datum\")"_qs},
          {u"table"_qs, u"QOV"_qs, u"CREATE TABLE \"QOV\" (\"Datum\" DATETIME)"_qs}},
         u"SELECT Datum FROM QOV ORDER BY Datum"_qs},
        // Columns in the table's order, long texts whole, no index on columns left out.
        {{"QOV", {"AID", "Text"}, {}},
         {{u"table"_qs, u"QOV"_qs, u"CREATE TABLE \"QOV\" (\"Text\" TEXT, \"AID\" INTEGER)"_qs}},
         u"SELECT Text, AID FROM QOV ORDER BY rowid"_qs},
        {{"Bereiche", {"no such column"}, {}}, {}, {}},
        {{"no such table", {"Datum"}, {"Datum"}}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selection.table);
        const SqliteDb part(import_access_database(qov, {}, c.selection), sqlite3_close);
        EXPECT_EQ(sqlite_rows(part.get(), schema), c.schema);
        if (!c.rows.isEmpty()) {
            EXPECT_EQ(sqlite_rows(part.get(), c.rows), sqlite_rows(whole.get(), c.rows));
            EXPECT_EQ(sqlite_rows(part.get(), c.rows).size(), 3);
        }
    }
}

TEST(AccessPart, OpensAsADatabaseOfThatPartAndAnSqliteFileWhole)
{
    const QString sqlite_book = write_test_book(temp_path(QString()));
    for (const QString& path : {jet_fixture("qov_fixture.mdb"), sqlite_book}) {
        SCOPED_TRACE(path.toStdString());
        const auto part = open_database_part(path, {}, {u"QOV"_qs, {u"datum"_qs}, {u"Datum"_qs}});
        const auto whole = OpenDatabase(path);
        const auto part_rows = part->OpenRecordset(u"QOV"_qs);
        const auto whole_rows = whole->OpenRecordset(u"QOV"_qs);
        part_rows->setIndex(u"Datum"_qs);
        whole_rows->setIndex(u"Datum"_qs);
        for (auto move : {&Recordset::MoveFirst, &Recordset::MoveLast}) {
            ((*part_rows).*move)();
            ((*whole_rows).*move)();
            EXPECT_EQ(part_rows->Fields(u"datum"_qs), whole_rows->Fields(u"datum"_qs));
        }
        EXPECT_EQ(part_rows->HasField(u"Text"_qs), path == sqlite_book);
    }
}

TEST(DatabaseCheck, RefusesWhatOpeningRefusesFromTheFirstPagesAlone)
{
    const QByteArray bible = file_bytes(jet_fixture("bible_fixture.mdb"));
    const QString wrong_password = writable_copy("bible_fixture.mdb", "bible_other_password.mdb");
    jetpw({"write", wrong_password, "Murb64#8"});
    const QString folder = temp_path(u"check"_qs);
    QDir().mkpath(folder);
    const QString sqlite_book = write_test_book(folder);
    QByteArray sqlite_cut = file_bytes(sqlite_book);
    sqlite_cut.truncate(sqlite_cut.size() - 512);
    QByteArray ace = bible;
    ace.replace("Standard Jet DB", "Standard ACE DB");
    QByteArray garbled = bible;
    std::mt19937 noise(20240305);
    for (qsizetype i = 3 * 4096; i < garbled.size(); ++i)
        garbled[i] = char(noise() & 0xFF);
    struct Case {
        const char* name;
        QByteArray bytes;  // empty: `path` as it is
        QString path;
        std::optional<FileFailure> check, open;
    };
    const Case cases[] = {
        {"sound Access Bible", {}, jet_fixture("bible_fixture.mdb"), {}, {}},
        {"encoded Access Bible", {}, jet_fixture("bible_fixture_encoded.mdb"), {}, {}},
        {"sound SQLite book", {}, sqlite_book, {}, {}},
        {"another password", {}, wrong_password, FileFailure::wrong_password, FileFailure::wrong_password},
        {"newer Access", ace, {}, FileFailure::unsupported_format, FileFailure::unsupported_format},
        {"cut mid-page", bible.first(4096 * 2 + 100), {}, FileFailure::damaged, FileFailure::damaged},
        {"cut before its catalog", bible.first(4096 * 2), {}, FileFailure::damaged, FileFailure::damaged},
        {"SQLite cut short", sqlite_cut, {}, FileFailure::damaged, FileFailure::damaged},
        {"not a database", "Standard Jet DB? No.", {}, FileFailure::not_a_database, FileFailure::not_a_database},
        {"missing", {}, temp_path(u"no such file.mdb"_qs), FileFailure::missing, FileFailure::missing},
        {"a folder", {}, folder, FileFailure::folder, FileFailure::folder},
        // What lies beyond the first pages is only found on opening.
        {"pages garbled", garbled, {}, {}, FileFailure::damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString path = c.path;
        if (path.isEmpty()) {
            path = temp_path(QString::fromLatin1(c.name) + u".mdb"_qs);
            write_file(path, c.bytes);
        }
        EXPECT_EQ(check_failure(path, bible_password), c.check);
        EXPECT_EQ(open_failure(path, bible_password), c.open);
    }
}
