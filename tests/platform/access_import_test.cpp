// SPDX-License-Identifier: GPL-2.0-or-later
#include "database_test_support.h"

#include <QRandomGenerator>

#include <unistd.h>

namespace {

using Rows = QList<QVariantList>;

QString repeated(const QString& unit, int length)
{
    return unit.repeated(length / unit.size() + 1).left(length);
}

// Damaged input may still give tables; when it does not, the error names the file.
void expect_tables_or_error_naming_the_file(const QString& path, const QString& connect = {})
{
    const QString error = import_error(path, connect);
    EXPECT_TRUE(error.isEmpty() || error.contains(path)) << error.toStdString();
}

}  // namespace

TEST(AccessImport, CopiesTablesColumnTypesRowsAndIndexes)
{
    const SqliteDb qov = imported(jet_fixture("qov_fixture.mdb"));
    const SqliteDb bible = imported(jet_fixture("bible_fixture.mdb"), bible_password);
    const std::tuple<sqlite3*, const char*, Rows> cases[] = {
        {qov.get(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name",
         {{u"AutorenNeu"_qs}, {u"Bereiche"_qs}, {u"Bibel"_qs}, {u"QOV"_qs}}},
        {qov.get(), "SELECT type FROM pragma_table_info('QOV') WHERE name IN ('Datum', 'Text', 'AID')",
         {{u"DATETIME"_qs}, {u"TEXT"_qs}, {u"INTEGER"_qs}}},
        {qov.get(), "SELECT * FROM AutorenNeu",
         {{qint64(1), u"Jürgen"_qs, u"Müller"_qs}, {qint64(2), u"Ingrid"_qs, u"Weiß"_qs},
          {qint64(3), u"Hans-Peter"_qs, u"Groß"_qs}}},
        {qov.get(), "SELECT * FROM Bereiche WHERE id = 3", {{qint64(3), u"Familie/Gemeinde"_qs, QVariant()}}},
        {qov.get(), "SELECT group_concat(Lfdnr || ':' || buch || ':' || maxkapitel, '|') FROM Bibel",
         {{u"1:1. Mose:50|2:2. Mose:40|19:Psalmen:150|40:Matthäus:28|42:Lukas:24|66:Offenbarung:22"_qs}}},
        {qov.get(), "SELECT name, tbl_name FROM sqlite_master WHERE type = 'index' ORDER BY name",
         {{u"Bereiche.PrimaryKey"_qs, u"Bereiche"_qs}, {u"Datum"_qs, u"QOV"_qs}, {u"PrimaryKey"_qs, u"AutorenNeu"_qs}}},
        {qov.get(), "SELECT name, desc FROM pragma_index_xinfo('Datum') WHERE key", {{u"Datum"_qs, qint64(0)}}},
        {qov.get(), "SELECT name, desc FROM pragma_index_xinfo('Bereiche.PrimaryKey') WHERE key",
         {{u"id"_qs, qint64(0)}}},
        {bible.get(), "SELECT name, desc FROM pragma_index_xinfo('book') WHERE key",
         {{u"book"_qs, qint64(0)}, {u"chapter"_qs, qint64(0)}, {u"verse"_qs, qint64(0)}}},
    };
    for (const auto& [db, sql, rows] : cases)
        EXPECT_EQ(sqlite_rows(db, sql), rows) << sql;
}

TEST(AccessImport, KeepsNullApartFromEmptyTextAndMemosWhole)
{
    const SqliteDb db = imported(jet_fixture("qov_fixture.mdb"));
    const Rows rows =
        sqlite_rows(db.get(), "SELECT Datum, feiertag, Leitvers, Text, Frage, Tipp, bereich FROM QOV ORDER BY Datum");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][1], QVariant());
    EXPECT_EQ(rows[0][3], QVariant(u"Über die Brücke gehen: äöü ÄÖÜ ß.\r\nZweite Zeile."_qs));
    EXPECT_EQ(rows[0][6], QVariant(qint64(1)));

    EXPECT_EQ(rows[1], (QVariantList{u"2024-03-31 06:30:15"_qs, u""_qs, u"Der Herr ist auferstanden!"_qs,
                                     repeated(u"Das Grab ist leer. "_qs, 20000), QVariant(), QVariant(), qint64(3)}));

    EXPECT_EQ(rows[2][2], QVariant(u"„Euch ist heute der Heiland geboren“ — Lukas 2,11 €"_qs));
    EXPECT_EQ(rows[2][3], QVariant(repeated(u"Weihnachten heißt: Gott kommt zu uns. "_qs, 9000)));
    EXPECT_EQ(rows[2][4], QVariant(repeated(u"Frage ö? "_qs, 3000)));
    EXPECT_EQ(rows[2][5], QVariant(u""_qs));
}

TEST(AccessImport, OnlyTheStoredPasswordOpensAProtectedFile)
{
    const QString bible = jet_fixture("bible_fixture.mdb");
    const QString changed = writable_copy("qov_fixture.mdb", "qov_with_password.mdb");
    // The longest password a Jet4 header holds, of letters beyond Latin-1 too.
    jetpw({"write", changed, u"Grüße€„7“0123456789a"_qs});
    const QString removed = writable_copy("bible_fixture.mdb", "bible_without_password.mdb");
    jetpw({"write", removed, ""});
    struct Case {
        QString path, connect;
        bool opens;
    };
    const Case cases[] = {
        {bible, bible_password, true},
        {bible, u"ms access;pwd=Murb64#7"_qs, true},
        {bible, u"MS Access;PWD=murb64#7;"_qs, false},
        {bible, u"MS Access;PWD=Murb64#7 ;"_qs, false},
        {bible, QString(), false},
        {jet_fixture("bible_fixture_encoded.mdb"), u"MS Access;PWD=x;"_qs, false},
        // A file without a password opens whatever PWD is given.
        {jet_fixture("qov_fixture.mdb"), bible_password, true},
        {changed, u"MS Access;PWD=Grüße€„7“0123456789a;"_qs, true},
        {changed, u"MS Access;PWD=Grüße€„7“0123456789;"_qs, false},
        {removed, QString(), true},
    };
    for (const Case& c : cases) {
        const QString error = import_error(c.path, c.connect);
        SCOPED_TRACE(c.path.toStdString() + " with " + c.connect.toStdString() + ": " + error.toStdString());
        EXPECT_EQ(error.isEmpty(), c.opens);
        EXPECT_TRUE(c.opens || (error.contains(u"not a valid password"_qs) && error.contains(c.path)));
    }
}

TEST(AccessImport, RefusesFilesItCannotReadNamingThemAndTheCause)
{
    // Newer Access files, noise behind a sound header and files cut after
    // their header are start-up failure cases.
    const QByteArray qov = file_bytes(jet_fixture("qov_fixture.mdb"));
    struct Case {
        const char* name;
        QByteArray bytes;
        QString cause;
    };
    const Case cases[] = {
        {"text.mdb", "Standard Jet DB, or so it says\n", u"not an Access"_qs},
        {"cut_in_the_header.mdb", qov.first(100), u"damaged file"_qs},
    };
    for (const Case& c : cases) {
        const QString path = temp_path(QString::fromLatin1(c.name));
        write_file(path, c.bytes);
        const QString error = import_error(path, bible_password);
        EXPECT_TRUE(error.contains(c.cause) && error.contains(path)) << error.toStdString();
    }

    const QString missing = temp_path(u"no such file.mdb"_qs);
    EXPECT_TRUE(import_error(missing).contains(missing));
    EXPECT_FALSE(import_error(temp_path(QString())).isEmpty());
    if (geteuid() != 0) {
        const QString locked = writable_copy("qov_fixture.mdb", "locked.mdb");
        QFile::setPermissions(locked, {});
        EXPECT_TRUE(import_error(locked).contains(u"cannot read"_qs));
    }
}

TEST(AccessImport, DamagedFilesGiveTheTablesOrAnErrorNeverACrash)
{
    const QString path = temp_path(u"damaged.mdb"_qs);
    const QByteArray qov = file_bytes(jet_fixture("qov_fixture.mdb"));
    for (qsizetype pages = 3; pages * 4096 < qov.size(); pages += 2) {
        write_file(path, qov.first(pages * 4096));
        expect_tables_or_error_naming_the_file(path);
    }

    QRandomGenerator random(7);
    for (const char* fixture : {"qov_fixture.mdb", "bible_fixture.mdb"}) {
        const QByteArray original = file_bytes(jet_fixture(fixture));
        const qsizetype pages = original.size() / 4096;
        // Table definitions (page type 2) are what libmdb trusts most.
        QList<qsizetype> definitions;
        for (qsizetype page = 1; page < pages; ++page)
            if (original[page * 4096] == 0x02)
                definitions << page;
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = original;
            for (int flip = 0; flip <= round % 16; ++flip) {
                const qsizetype at = round % 2
                    ? 4096 + random.bounded(qint64(bytes.size() - 4096))
                    : definitions[random.bounded(int(definitions.size()))] * 4096 + random.bounded(600);
                bytes[at] = char(bytes[at] ^ (1 + random.bounded(255)));
            }
            if (round % 10 == 9)
                bytes.replace(random.bounded(1, int(pages)) * 4096, 4096, QByteArray(4096, '\xFF'));
            write_file(path, bytes);
            expect_tables_or_error_naming_the_file(path, bible_password);
        }
    }
}

// Found by fuzzing: a row that claims more columns than its table has made
// the row copier read past the fields libmdb had filled, one per column of
// the table. The sanitizers catch the read at once, the ordinary build by
// the garbage it reads.
TEST(AccessImport, RowsClaimingMoreColumnsThanTheirTableAreAllCopied)
{
    constexpr qsizetype page_size = 4096;  // Jet4
    constexpr qsizetype row_count_offset = 12;
    const QByteArray fixture = file_bytes(jet_fixture("qov_fixture.mdb"));
    QByteArray file = fixture;
    const auto u16 = [&](qsizetype at) { return quint16(quint8(file[at]) | quint8(file[at + 1]) << 8); };
    // Each live row of each data page claims up to seven columns more, as
    // many as its null mask has room for.
    int changed = 0;
    for (qsizetype page = page_size; page + page_size <= file.size(); page += page_size) {
        const int rows = file[page] == 0x01 && file[page + 1] == 0x01 ? u16(page + row_count_offset) : 0;
        for (int row = 0; row < rows; ++row) {
            const quint16 offset = u16(page + row_count_offset + 2 + 2 * row);
            const qsizetype start = page + (offset & 0x1FFF);
            const quint16 claimed = quint16((u16(start) + 7) / 8 * 8);
            if ((offset & 0xC000) || claimed == u16(start))
                continue;
            file[start] = char(claimed & 0xFF);
            file[start + 1] = char(claimed >> 8);
            ++changed;
        }
    }
    ASSERT_GT(changed, 100);
    const QString damaged = temp_path(u"claims_more_columns.mdb"_qs);
    write_file(damaged, file);
    const SqliteDb sound = imported(jet_fixture("qov_fixture.mdb"));
    const SqliteDb db = imported(damaged);
    for (const char* table : {"QOV", "AutorenNeu", "Bereiche", "Bibel"}) {
        const QString sql = u"SELECT count(*) FROM "_qs + QLatin1String(table);
        EXPECT_EQ(sqlite_rows(db.get(), sql), sqlite_rows(sound.get(), sql)) << table;
    }
}
