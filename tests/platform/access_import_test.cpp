#include "access_import.h"
#include "access_test_support.h"
#include "database.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <unistd.h>

namespace {

const QString bible_password = u"MS Access;PWD=Murb64#7;"_qs;

QTemporaryDir& temp_dir()
{
    static QTemporaryDir dir;
    return dir;
}

QString temp_path(const QString& name)
{
    return temp_dir().filePath(name);
}

QString writable_copy(const QString& fixture, const QString& name)
{
    const QString path = temp_path(name);
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(jet_fixture(fixture), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

SqliteDb imported(const QString& path, const QString& connect = {})
{
    return SqliteDb(import_access_database(path, connect));
}

// The message of the DatabaseError the import throws; empty when it succeeds.
QString import_error(const QString& path, const QString& connect = {})
{
    try {
        imported(path, connect);
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}

QString repeated(const QString& unit, int length)
{
    return unit.repeated(length / unit.size() + 1).left(length);
}

QList<QVariantList> index_columns(sqlite3* db, const char* index)
{
    return query_rows(db, QByteArray("SELECT name, desc FROM pragma_index_xinfo('") + index + "') WHERE key");
}

}  // namespace

TEST(AccessImport, CopiesTheUserTablesWithTheirColumnTypes)
{
    const SqliteDb db = imported(jet_fixture("qov_fixture.mdb"));
    EXPECT_EQ(query_rows(db.get(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (QList<QVariantList>{{u"AutorenNeu"_qs}, {u"Bereiche"_qs}, {u"Bibel"_qs}, {u"QOV"_qs}}));
    EXPECT_EQ(query_rows(db.get(), "SELECT type FROM pragma_table_info('QOV') WHERE name IN ('Datum', 'Text', 'AID')"),
              (QList<QVariantList>{{u"DATETIME"_qs}, {u"TEXT"_qs}, {u"INTEGER"_qs}}));
}

TEST(AccessImport, KeepsNullApartFromEmptyTextAndMemosWhole)
{
    const SqliteDb db = imported(jet_fixture("qov_fixture.mdb"));
    const QList<QVariantList> rows =
        query_rows(db.get(), "SELECT Datum, feiertag, Leitvers, Text, Frage, Tipp, bereich FROM QOV ORDER BY Datum");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][1], QVariant());
    EXPECT_EQ(rows[0][3], QVariant(u"Über die Brücke gehen: äöü ÄÖÜ ß.\r\nZweite Zeile."_qs));
    EXPECT_EQ(rows[0][6], QVariant(qint64(1)));

    EXPECT_EQ(rows[1], (QVariantList{u"2024-03-31 06:30:15"_qs, u""_qs, u"Der Herr ist auferstanden!"_qs,
                                     repeated(u"Das Grab ist leer. "_qs, 20000), QVariant(), QVariant(), qint64(3)}));
    EXPECT_EQ(rows[1][1].typeId(), QMetaType::QString);

    EXPECT_EQ(rows[2][2], QVariant(u"„Euch ist heute der Heiland geboren“ — Lukas 2,11 €"_qs));
    EXPECT_EQ(rows[2][3], QVariant(repeated(u"Weihnachten heißt: Gott kommt zu uns. "_qs, 9000)));
    EXPECT_EQ(rows[2][4], QVariant(repeated(u"Frage ö? "_qs, 3000)));
    EXPECT_EQ(rows[2][5], QVariant(u""_qs));
    EXPECT_EQ(rows[2][5].typeId(), QMetaType::QString);
}

TEST(AccessImport, CopiesTheSmallTablesRowForRow)
{
    const SqliteDb db = imported(jet_fixture("qov_fixture.mdb"));
    EXPECT_EQ(query_rows(db.get(), "SELECT * FROM AutorenNeu"),
              (QList<QVariantList>{{qint64(1), u"Jürgen"_qs, u"Müller"_qs},
                                   {qint64(2), u"Ingrid"_qs, u"Weiß"_qs},
                                   {qint64(3), u"Hans-Peter"_qs, u"Groß"_qs}}));
    EXPECT_EQ(query_rows(db.get(), "SELECT * FROM Bereiche WHERE id = 3"),
              (QList<QVariantList>{{qint64(3), u"Familie/Gemeinde"_qs, QVariant()}}));
    EXPECT_EQ(query_value(db.get(), "SELECT group_concat(Lfdnr || ':' || buch || ':' || maxkapitel, '|') FROM Bibel"),
              u"1:1. Mose:50|2:2. Mose:40|19:Psalmen:150|40:Matthäus:28|42:Lukas:24|66:Offenbarung:22"_qs);
}

TEST(AccessImport, KeepsTheIndexNamesAndColumns)
{
    const SqliteDb qov = imported(jet_fixture("qov_fixture.mdb"));
    EXPECT_EQ(query_rows(qov.get(), "SELECT name, tbl_name FROM sqlite_master WHERE type = 'index' ORDER BY name"),
              (QList<QVariantList>{{u"Bereiche.PrimaryKey"_qs, u"Bereiche"_qs},
                                   {u"Datum"_qs, u"QOV"_qs},
                                   {u"PrimaryKey"_qs, u"AutorenNeu"_qs}}));
    EXPECT_EQ(index_columns(qov.get(), "Datum"), (QList<QVariantList>{{u"Datum"_qs, qint64(0)}}));
    EXPECT_EQ(index_columns(qov.get(), "Bereiche.PrimaryKey"), (QList<QVariantList>{{u"id"_qs, qint64(0)}}));

    const SqliteDb bible = imported(jet_fixture("bible_fixture.mdb"), bible_password);
    EXPECT_EQ(index_columns(bible.get(), "book"),
              (QList<QVariantList>{{u"book"_qs, qint64(0)}, {u"chapter"_qs, qint64(0)}, {u"verse"_qs, qint64(0)}}));
}

TEST(AccessImport, ReadsTheBibleFixturePlainAndEncoded)
{
    const QList<QVariantList> expected{
        {qint64(1), qint64(1), qint64(1), u"Im Anfang schuf Gott Himmel und Erde."_qs},
        {qint64(1), qint64(1), qint64(2), u"Und die Erde war wüst und leer, und es war finster auf der Tiefe."_qs},
        {qint64(19), qint64(23), qint64(1), u"Der HERR ist mein Hirte, mir wird nichts mangeln."_qs},
        {qint64(43), qint64(3), qint64(16), u"„Also hat Gott die Welt geliebt …“"_qs},
        {qint64(43), qint64(11), qint64(35), QVariant()}};
    for (const char* fixture : {"bible_fixture.mdb", "bible_fixture_encoded.mdb"}) {
        const SqliteDb db = imported(jet_fixture(fixture), bible_password);
        EXPECT_EQ(query_rows(db.get(), "SELECT book, chapter, verse, Bible_Text FROM texte ORDER BY book, chapter, verse"),
                  expected)
            << fixture;
    }
}

TEST(AccessImportPassword, OnlyTheStoredPasswordOpensAProtectedFile)
{
    const QString path = jet_fixture("bible_fixture.mdb");
    EXPECT_TRUE(import_error(path, bible_password).isEmpty());
    EXPECT_TRUE(import_error(path, u"ms access;pwd=Murb64#7"_qs).isEmpty());
    for (const QString& connect : {u"MS Access;PWD=murb64#7;"_qs, u"MS Access;PWD=Murb64#7 ;"_qs, QString()}) {
        const QString error = import_error(path, connect);
        EXPECT_TRUE(error.contains(u"not a valid password"_qs)) << connect.toStdString();
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
    }
    EXPECT_TRUE(import_error(jet_fixture("bible_fixture_encoded.mdb"), u"MS Access;PWD=x;"_qs)
                    .contains(u"not a valid password"_qs));
    // A file without a password opens whatever PWD is given.
    EXPECT_TRUE(import_error(jet_fixture("qov_fixture.mdb"), bible_password).isEmpty());
}

TEST(AccessImportPassword, FollowsPasswordsChangedWithTheTeamTool)
{
    const QString qov = writable_copy("qov_fixture.mdb", "qov_with_password.mdb");
    jetpw({"write", qov, u"Grüße€"_qs});
    EXPECT_TRUE(import_error(qov, u"MS Access;PWD=Grüße€;"_qs).isEmpty());
    EXPECT_TRUE(import_error(qov, u"MS Access;PWD=Grüsse€;"_qs).contains(u"not a valid password"_qs));

    const QString bible = writable_copy("bible_fixture.mdb", "bible_without_password.mdb");
    jetpw({"write", bible, ""});
    EXPECT_TRUE(import_error(bible).isEmpty());
}

TEST(AccessImportFormat, RefusesAccess2007FilesAsUnsupported)
{
    QByteArray bytes = file_bytes(jet_fixture("qov_fixture.mdb"));
    std::memcpy(bytes.data() + 4, "Standard ACE DB", 15);
    bytes[0x14] = 3;
    const QString by_magic = temp_path("ace.accdb");
    write_file(by_magic, bytes);
    const QString error = import_error(by_magic);
    EXPECT_TRUE(error.contains(u"unsupported format"_qs));
    EXPECT_TRUE(error.contains(by_magic));
}

TEST(AccessImportBadInput, MissingUnreadableAndForeignFilesAreRefused)
{
    const QString missing = temp_path("no such file.mdb");
    EXPECT_TRUE(import_error(missing).contains(missing));
    EXPECT_FALSE(import_error(temp_dir().path()).isEmpty());

    const QString text = temp_path("text.mdb");
    write_file(text, "Standard Jet DB, or so it says\n");
    EXPECT_TRUE(import_error(text).contains(u"not an Access"_qs));

    if (geteuid() != 0) {
        const QString locked = writable_copy("qov_fixture.mdb", "locked.mdb");
        QFile::setPermissions(locked, {});
        EXPECT_TRUE(import_error(locked).contains(u"cannot read"_qs));
    }
}

TEST(AccessImportBadInput, FilesCutAtAnyPageGiveTheTablesOrAnError)
{
    const QByteArray bytes = file_bytes(jet_fixture("qov_fixture.mdb"));
    const QString path = temp_path("cut.mdb");
    for (const qsizetype size : {qsizetype(100), qsizetype(8192)}) {
        write_file(path, bytes.first(size));
        const QString error = import_error(path);
        EXPECT_TRUE(error.contains(u"damaged file"_qs) && error.contains(path)) << size << ": " << error.toStdString();
    }
    for (qsizetype pages = 3; pages * 4096 < bytes.size(); pages += 2) {
        write_file(path, bytes.first(pages * 4096));
        try {
            imported(path);
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().contains(path)) << error.what();
        }
    }
}

TEST(AccessImportBadInput, RandomBytesAreRefused)
{
    QRandomGenerator random(20240101);
    QByteArray noise(16 * 4096, '\0');
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QString path = temp_path("random.mdb");
    write_file(path, noise);
    EXPECT_TRUE(import_error(path).contains(u"not an Access"_qs));
    // Behind a sound header page.
    noise.replace(0, 4096, file_bytes(jet_fixture("bible_fixture.mdb")).first(4096));
    write_file(path, noise);
    EXPECT_TRUE(import_error(path, bible_password).contains(u"damaged file"_qs));
}

TEST(AccessImportBadInput, CorruptedPagesGiveTheTablesOrAnErrorNeverACrash)
{
    QRandomGenerator random(7);
    const QString path = temp_path("corrupted.mdb");
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
            try {
                imported(path, bible_password);
            } catch (const DatabaseError& error) {
                EXPECT_TRUE(error.message().contains(path)) << error.what();
            }
        }
    }
}
