#include "data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

void copy_folder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files))
        EXPECT_TRUE(QFile::copy(entry.filePath(), to + u'/' + entry.fileName())) << entry.filePath().toStdString();
}

} // namespace

DataFolder::DataFolder()
{
    const QString demo = QStringLiteral(SELUNAR_DATA_DIR);
    copy_folder(demo + QStringLiteral("qovfiles"), file(QStringLiteral("qovfiles")));
    copy_folder(demo + QStringLiteral("qov_pics"), file(QStringLiteral("qov_pics")));
}

void DataFolder::copy_demo(const QString& name, const QString& as) const
{
    copy(QStringLiteral(SELUNAR_DATA_DIR) + name, as.isEmpty() ? name : as);
}

void DataFolder::copy(const QString& from, const QString& as) const
{
    const QString to = file(as);
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void DataFolder::write(const QString& name, const QByteArray& content) const
{
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(content);
}

void DataFolder::execute(const QString& name, const char* sql) const
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file(name).toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int result = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}
