#include "database_test_support.h"

#include <QDir>
#include <QFile>

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

TEST_F(OpenDatabaseFile, PathsWithUriCharactersOpen)
{
    const QString sub = folder.filePath(u"a?b#c%d ä"_qs);
    QDir().mkdir(sub);
    const QString path = write_test_book(sub);
    auto db = OpenDatabase(path, false, true, u"MS Access;PWD=irrelevant;"_qs);
    EXPECT_EQ(db->path(), path);
    EXPECT_EQ(db->OpenRecordset(u"QOV"_qs)->RecordCount(), 5);
}
