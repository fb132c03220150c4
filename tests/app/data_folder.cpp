#include "data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

void copy_file(const QString& from, const QString& to)
{
    EXPECT_TRUE(QFile::copy(from, to)) << from.toStdString();
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

DataFolder::DataFolder(Databases databases)
{
    const QString demo = QStringLiteral(SELUNAR_DATA_DIR);
    for (const QString& folder : {u"qovfiles"_qs, u"qov_pics"_qs}) {
        QDir().mkpath(folder_.filePath(folder));
        for (const QFileInfo& entry : QDir(demo + folder).entryInfoList(QDir::Files))
            copy_file(entry.filePath(), folder_.filePath(folder + u'/' + entry.fileName()));
    }
    const bool demo_data = databases == Databases::Demo;
    const QString fixtures = QStringLiteral(SELUNAR_JET_FIXTURES "/");
    copy_file(demo_data ? demo + u"qov.mdb"_qs : fixtures + u"qov_fixture.mdb"_qs, folder_.filePath(u"qov.mdb"_qs));
    copy_file(demo_data ? demo + u"elberfelderbibel.mdb"_qs : fixtures + u"bible_fixture.mdb"_qs,
              folder_.filePath(u"elberfelderbibel.mdb"_qs));
}

void DataFolder::execute(const char* sql) const
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder_.filePath(u"qov.mdb"_qs).toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}
