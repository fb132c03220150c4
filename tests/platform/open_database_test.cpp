#include "database_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class OpenDatabaseFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
};

// The message of the DatabaseError that opening `path` throws.
QString open_error(const QString& path)
{
    try {
        OpenDatabase(path);
    } catch (const DatabaseError& e) {
        return e.message();
    }
    return u"(opened)"_qs;
}

// Every file in the folder with its size and modification time.
QStringList folder_state(const QString& folder)
{
    QStringList state;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        state << QStringLiteral("%1 %2 %3").arg(info.fileName()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    return state;
}

// Opens the database and runs what the program does with it: views, seeks,
// a sort large enough for a temporary b-tree, LIKE.
void use_as_the_program_does(const QString& path)
{
    auto db = OpenDatabase(path);
    auto qov = db->OpenRecordset(u"QOV"_qs);
    qov->setIndex(u"Datum"_qs);
    qov->MoveLast();
    qov->Seek(u"="_qs, {QDate(2024, 1, 3)});
    EXPECT_FALSE(qov->NoMatch());
    EXPECT_EQ(db->OpenRecordset(u"select top 100 * from vw1qov where (thema like '*Gott*') order by book1,chapter1,verse1"_qs)
                  ->RecordCount(),
              1);
    EXPECT_EQ(db->OpenRecordset(u"select * from texte order by bible_text desc, verse"_qs)->RecordCount(), 7);
    EXPECT_EQ(db->OpenRecordset(u"select * from [VW1AutorenAktiv] order by Nachname, Vorname"_qs)->RecordCount(), 2);
}

} // namespace

TEST_F(OpenDatabaseFile, BadFilesAreRefusedNamingThePath)
{
    const QString missing = folder.filePath(u"missing.mdb"_qs);
    EXPECT_TRUE(open_error(missing).startsWith(missing + u": "_qs)) << open_error(missing).toStdString();
    EXPECT_TRUE(open_error(folder.path()).startsWith(folder.path() + u": "_qs));

    const QString empty = folder.filePath(u"empty.mdb"_qs);
    write_file(empty, {});
    EXPECT_EQ(open_error(empty), empty + u": the file is empty"_qs);
    const QString text = folder.filePath(u"text.mdb"_qs);
    write_file(text, "Dies ist keine Datenbank, nur Text.\n");
    EXPECT_EQ(open_error(text), text + u": not a database file"_qs);
}

TEST_F(OpenDatabaseFile, ReadingWritesNothingBesideOrIntoTheFile)
{
    const QString plain = write_test_book(folder.path());
    ASSERT_TRUE(QFile::setPermissions(plain, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString wal = folder.filePath(u"wal.sqlite"_qs);
    write_sqlite_file(wal, u"PRAGMA journal_mode=WAL;"_qs + QString::fromUtf8(test_book_sql));
    ASSERT_EQ(file_bytes(wal).at(18), 2) << "the file is in WAL mode";
    const QByteArray before = file_bytes(plain);
    const QStringList state = folder_state(folder.path());

    use_as_the_program_does(plain);
    use_as_the_program_does(wal);

    EXPECT_EQ(folder_state(folder.path()), state);
    EXPECT_EQ(file_bytes(plain), before);
}

TEST_F(OpenDatabaseFile, PathsWithUriCharactersOpen)
{
    const QString sub = folder.filePath(u"a?b#c%d ä"_qs);
    QDir().mkdir(sub);
    const QString path = write_test_book(sub);
    auto db = OpenDatabase(path, false, true, u"MS Access;PWD=irrelevant;"_qs);
    EXPECT_EQ(db->path(), path);
    EXPECT_EQ(db->OpenRecordset(u"QOV"_qs)->RecordCount(), 5);
}
