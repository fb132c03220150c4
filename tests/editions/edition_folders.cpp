// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition_folders.h"

#include "sqlite_test.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

TestFolder::TestFolder() : root_(QDir::cleanPath(dir_.path()))
{
}

QString TestFolder::path(const QString& relative) const
{
    return QDir::cleanPath(root_ + u'/' + relative);
}

void TestFolder::book(const QString& folder, QDate first, QDate last) const
{
    const QDate between = first.addDays(first.daysTo(last) / 2);
    QStringList statements = {u"CREATE TABLE QOV (Datum DATETIME, Thema TEXT)"_qs,
                              u"CREATE INDEX Datum ON QOV (Datum)"_qs};
    for (const QDate day : {between, last, first})
        statements << u"INSERT INTO QOV VALUES ('%1', 'Thema')"_qs.arg(day.toString(Qt::ISODate));
    sql_book(folder, statements);
}

void TestFolder::book(const QString& folder, int year) const
{
    book(folder, QDate(year, 1, 1), QDate(year, 12, 31));
}

void TestFolder::sql_book(const QString& folder, const QStringList& statements) const
{
    this->folder(folder);
    sqlite_exec(path(folder + u"/qov.mdb"_qs), statements);
}

void TestFolder::access_book(const QString& folder) const
{
    file(folder + u"/qov.mdb"_qs, file_bytes(QStringLiteral(SELUNAR_JET_FIXTURES "/qov_fixture.mdb")));
}

void TestFolder::bible(const QString& folder, const QString& password) const
{
    const QString target = path(folder + u"/elberfelderbibel.mdb"_qs);
    file(folder + u"/elberfelderbibel.mdb"_qs, file_bytes(QStringLiteral(SELUNAR_JET_FIXTURES "/bible_fixture.mdb")));
    if (password.isEmpty())
        return;
    QProcess tool;
    tool.start(u"python3"_qs, {QStringLiteral(SELUNAR_JET_FIXTURES "/../../tools/jetpw.py"), u"write"_qs, target, password});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

void TestFolder::templates(const QString& folder) const
{
    for (const QString& name : template_names())
        file(folder + u"/qovfiles/"_qs + name, file_bytes(QStringLiteral(SELUNAR_DATA_DIR "qovfiles/") + name));
}

void TestFolder::pictures(const QString& folder) const
{
    file(folder + u"/qov_pics/selunar.png"_qs, file_bytes(QStringLiteral(SELUNAR_DATA_DIR "qov_pics/selunar.png")));
}

void TestFolder::edition(const QString& folder, int year) const
{
    book(folder, year);
    bible(folder);
    templates(folder);
    pictures(folder);
}

void TestFolder::file(const QString& relative, const QByteArray& bytes) const
{
    const QString target = path(relative);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(target).absolutePath()));
    QFile out(target);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << target.toStdString();
    ASSERT_EQ(out.write(bytes), bytes.size());
}

void TestFolder::link(const QString& relative, const QString& target) const
{
    ASSERT_TRUE(QFile::link(target, path(relative))) << relative.toStdString();
}

void TestFolder::folder(const QString& relative) const
{
    ASSERT_TRUE(QDir().mkpath(path(relative)));
}

QString TestFolder::relative(const QString& text) const
{
    QString result = text;
    return result.replace(root_ + u'/', QString()).replace(root_, u"."_qs);
}

QStringList TestFolder::summary(const Editions& editions) const
{
    QStringList lines;
    for (const Edition& edition : editions)
        lines << u"%1 %2 %3"_qs.arg(relative(edition.folder)).arg(edition.year).arg(
            edition.usable ? u"ok"_qs : relative(edition.reason));
    return lines;
}

QStringList TestFolder::snapshot() const
{
    QStringList entries;
    QDirIterator it(root_, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << u"%1 %2 %3 %4"_qs.arg(relative(entry.filePath()))
                       .arg(entry.isSymLink() ? u"link"_qs : entry.isDir() ? u"folder"_qs : u"file"_qs)
                       .arg(entry.isDir() ? 0 : entry.size())
                       .arg(entry.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

QByteArray file_bytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}
