// SPDX-License-Identifier: GPL-2.0-or-later
// The store: changes read back, the order of what it holds, a damaged file
// put aside, a newer one only read, and no confirmed change lost to a kill.

#include "personal_store.h"
#include "writable_sqlite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDateTime now(QDate(2024, 3, 5), QTime(7, 8, 9));
const QString aside_suffix = QStringLiteral(".defekt-20240305-070809");

QByteArray bytes_of(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::unique_ptr<PersonalStore> opened(const QString& path)
{
    PersonalStore::Opened result = PersonalStore::open(path, now);
    EXPECT_EQ(result.message, QString());
    return std::move(result.store);
}

TEST(PersonalStore, KeepsChangesInTheirOrderAcrossRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/folder/persoenlich.sqlite"));
    const Target psalm = Target::verse(19, 23, 1), john = Target::verse(43, 3, 16), genesis = Target::verse(1, 1, 1);
    const Target day = Target::day(QDate(2024, 3, 5));
    {
        auto store = opened(path);
        ASSERT_TRUE(store && !store->read_only());
        store->set_read(QDate(2024, 3, 6), true);
        store->set_read(QDate(2024, 3, 5), true);
        store->set_read(QDate(2024, 3, 7), true);
        store->set_read(QDate(2024, 3, 7), false);
        for (const Target& target : {john, psalm, day, genesis})
            store->set_star(target, true);
        store->set_star(genesis, false);
        store->set_note(psalm, QStringLiteral("alt"));
        store->set_note(psalm, QStringLiteral("Der Hirte\nzweite Zeile"));
        store->set_note(day, QStringLiteral("Tag"));
        store->set_note(john, QStringLiteral("weg"));
        store->set_note(john, QStringLiteral("  \n"));
    }
    EXPECT_EQ(WritableSqlite(path, false).rows(QStringLiteral("PRAGMA journal_mode")).front().value(0).toString(),
              QStringLiteral("wal"));
    auto store = opened(path);
    const PersonalData expected{{QDate(2024, 3, 5), QDate(2024, 3, 6)},
                                {day, psalm, john},
                                {{day, QStringLiteral("Tag")}, {psalm, QStringLiteral("Der Hirte\nzweite Zeile")}}};
    EXPECT_EQ(store->data(), expected);
    EXPECT_TRUE(store->is_read(QDate(2024, 3, 6)));
    EXPECT_FALSE(store->is_starred(genesis));
    EXPECT_EQ(store->notes(john), QStringList());
}

TEST(PersonalStore, PutsADamagedFileAsideUnchangedAndStartsAnew)
{
    const auto foreign_database = [](const QString& path) {
        WritableSqlite other(path, true);
        other.run(QStringLiteral("CREATE TABLE kunden(name TEXT)"));
    };
    const auto garbled_store = [](const QString& path) {
        opened(path)->set_note(Target::day(QDate(2024, 1, 1)), QString(5000, u'x'));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        // The schema and the tables stay readable; the note's last page is not.
        file.seek(file.size() - 4096);
        file.write(QByteArray(64, '\x5a'));
    };
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> rows = {
        {"text", [](const QString& path) { write_bytes(path, "Das ist keine Datenbank, nur Text.\n"); }},
        {"another program's database", foreign_database},
        {"garbled pages", garbled_store},
    };
    for (const auto& [name, make] : rows) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("persoenlich.sqlite"));
        make(path);
        const QByteArray before = bytes_of(path);
        PersonalStore::Opened result = PersonalStore::open(path, now);
        EXPECT_TRUE(result.message.contains(path) && result.message.contains(u"beschädigt")) << result.message.toStdString();
        EXPECT_EQ(bytes_of(path + aside_suffix), before);
        ASSERT_TRUE(result.store && !result.store->read_only());
        EXPECT_EQ(result.store->data(), PersonalData{});
        result.store->set_read(QDate(2024, 3, 5), true);
        EXPECT_TRUE(result.store->is_read(QDate(2024, 3, 5)));
    }
}

TEST(PersonalStore, OnlyReadsAFileOfANewerVersion)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("persoenlich.sqlite"));
    opened(path)->set_read(QDate(2024, 3, 5), true);
    WritableSqlite(path, true).run(QStringLiteral("PRAGMA user_version=2"));
    const QByteArray before = bytes_of(path);
    {
        PersonalStore::Opened result = PersonalStore::open(path, now);
        EXPECT_TRUE(result.message.contains(path) && result.message.contains(u"neueren Version"));
        ASSERT_TRUE(result.store && result.store->read_only());
        EXPECT_TRUE(result.store->is_read(QDate(2024, 3, 5)));
        EXPECT_THROW(result.store->set_read(QDate(2024, 3, 6), true), DatabaseError);
        EXPECT_THROW(result.store->merge({{QDate(2024, 3, 6)}, {}, {}}), DatabaseError);
    }
    EXPECT_EQ(bytes_of(path), before);
    EXPECT_FALSE(QFile::exists(path + aside_suffix));
}

TEST(PersonalStore, TellsWhenTheFileCannotBeOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ordner"));
    QDir().mkpath(path);
    PersonalStore::Opened result = PersonalStore::open(path, now);
    EXPECT_EQ(result.store, nullptr);
    EXPECT_TRUE(result.message.contains(path) && result.message.contains(u"kann nicht geöffnet")) << result.message.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(PersonalStore, LosesNoConfirmedNoteWhenKilledWhileWriting)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("persoenlich.sqlite"));
    int confirmations[2];
    ASSERT_EQ(pipe(confirmations), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(confirmations[0]);
        auto store = PersonalStore::open(path, now).store;
        for (int i = 0;; ++i) {
            store->set_note(Target::day(QDate(2024, 1, 1).addDays(i % 366)), QStringLiteral("Notiz %1").arg(i));
            if (write(confirmations[1], &i, sizeof i) != sizeof i)
                _exit(1);
        }
    }
    close(confirmations[1]);
    int last = -1;
    while (last < 40 && read(confirmations[0], &last, sizeof last) == sizeof last) {
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (int i = 0; read(confirmations[0], &i, sizeof i) == sizeof i;)
        last = i;
    close(confirmations[0]);

    ASSERT_GE(last, 40);
    EXPECT_EQ(WritableSqlite(path, false).rows(QStringLiteral("PRAGMA integrity_check")).front().value(0).toString(), QStringLiteral("ok"));
    auto store = opened(path);
    for (int i = std::max(0, last - 365); i <= last; ++i)
        EXPECT_EQ(store->notes(Target::day(QDate(2024, 1, 1).addDays(i % 366))),
                  QStringList{QStringLiteral("Notiz %1").arg(i)});
}

} // namespace
