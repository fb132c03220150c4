#include "data_copy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sqlite3.h>

#include <random>

namespace {

void copy_tree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir()) {
            copy_tree(entry.filePath(), target);
        } else {
            ASSERT_TRUE(QFile::copy(entry.filePath(), target)) << entry.filePath().toStdString();
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
}

} // namespace

DataCopy::DataCopy()
{
    const QString demo = QStringLiteral(SELUNAR_DATA_DIR);
    for (const char* name : {"qov.mdb", "elberfelderbibel.mdb"}) {
        const QString file_name = QString::fromLatin1(name);
        EXPECT_TRUE(QFile::copy(demo + file_name, file(file_name))) << name;
        QFile(file(file_name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    copy_tree(demo + QStringLiteral("qovfiles"), file(QStringLiteral("qovfiles")));
    copy_tree(demo + QStringLiteral("qov_pics"), file(QStringLiteral("qov_pics")));
}

void DataCopy::remove(const QString& name) const
{
    const QFileInfo info(file(name));
    const bool removed = info.isDir() ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath());
    ASSERT_TRUE(removed) << name.toStdString();
}

void DataCopy::write(const QString& name, const QByteArray& content) const
{
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    out.write(content);
}

QByteArray DataCopy::read(const QString& name) const
{
    QFile in(file(name));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
    return in.readAll();
}

void DataCopy::truncate(const QString& name, qint64 size) const
{
    ASSERT_TRUE(QFile::resize(file(name), size)) << name.toStdString();
}

void DataCopy::garble(const QString& name, qint64 offset, qint64 length) const
{
    QByteArray content = read(name);
    std::mt19937 bytes(20240305);
    for (qint64 i = offset; i < offset + length && i < content.size(); ++i)
        content[i] = char(bytes() & 0xFF);
    write(name, content);
}

void DataCopy::execute(const QString& name, const QString& sql) const
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file(name).toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int result = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << sql.toStdString() << ": " << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

void DataCopy::replace_text(const QString& name, const QString& from, const QString& to) const
{
    QString text = QString::fromUtf8(read(name));
    ASSERT_TRUE(text.contains(from)) << name.toStdString() << " lacks " << from.toStdString();
    text.replace(from, to);
    write(name, text.toUtf8());
}

void DataCopy::use_access_fixture(const QString& fixture, const QString& name) const
{
    QFile::remove(file(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SELUNAR_JET_FIXTURES) + u'/' + fixture, file(name)));
    QFile(file(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void DataCopy::set_access_password(const QString& name, const QString& password) const
{
    QProcess tool;
    tool.start(QStringLiteral("python3"),
               {QStringLiteral(SELUNAR_JETPW), QStringLiteral("write"), file(name), password});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}
