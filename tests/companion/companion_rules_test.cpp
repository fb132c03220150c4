// SPDX-License-Identifier: GPL-2.0-or-later
// The companion's rules of the calendar, its options and records as the
// settings file keeps them, and the autostart entry on disk.

#include "autostart_entry.h"
#include "daily_rules.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::optional<QDate> none;

} // namespace

TEST(BookDay, TodayInsideTheBookOrItsCalendarTwinOutside)
{
    using O = OutsideYear;
    struct Case {
        QDate today;
        O mode;
        std::optional<QDate> day;
        QDate first = QDate(2024, 1, 1);
        QDate last = QDate(2024, 12, 31);
    };
    const Case cases[] = {
        {QDate(2024, 1, 1), O::last_day, QDate(2024, 1, 1)},
        {QDate(2024, 12, 31), O::last_day, QDate(2024, 12, 31)},
        {QDate(2026, 12, 7), O::last_day, none},
        {QDate(2023, 12, 31), O::last_day, none},
        {QDate(2026, 12, 7), O::same_day, QDate(2024, 12, 7)},
        {QDate(2023, 1, 1), O::same_day, QDate(2024, 1, 1)},
        {QDate(2028, 2, 29), O::same_day, QDate(2024, 2, 29)},
        {QDate(2027, 2, 28), O::same_day, QDate(2024, 2, 28)},
        {QDate(2027, 3, 1), O::same_day, QDate(2024, 3, 1)},
        // A book without a leap day, and one that lacks the date: the last day with its message.
        {QDate(2024, 2, 29), O::same_day, none, QDate(2023, 1, 1), QDate(2023, 12, 31)},
        {QDate(2025, 1, 15), O::same_day, none, QDate(2024, 3, 1), QDate(2024, 12, 31)},
        // A book over two years finds the twin in either.
        {QDate(2026, 2, 1), O::same_day, QDate(2025, 2, 1), QDate(2024, 7, 1), QDate(2025, 6, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(book_day(c.today, c.first, c.last, c.mode), c.day);
    }
}

TEST(OnceADay, PageShownAndReminderDue)
{
    const QDate today(2024, 12, 5), yesterday(2024, 12, 4);
    EXPECT_TRUE(shown_today(today, today));
    EXPECT_FALSE(shown_today(yesterday, today));
    EXPECT_FALSE(shown_today(none, today));

    struct Case {
        std::optional<QTime> at;
        QTime now;
        std::optional<QDate> reminded;
        bool due;
    };
    const Case cases[] = {
        {std::nullopt, QTime(23, 59), none, false},
        {QTime(8, 0), QTime(7, 59), none, false},
        {QTime(8, 0), QTime(8, 0), none, true},
        {QTime(8, 0), QTime(21, 0), yesterday, true},
        {QTime(8, 0), QTime(21, 0), today, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now.toString().toStdString());
        EXPECT_EQ(reminder_due(c.at, today, c.now, c.reminded), c.due);
    }
}

TEST(CompanionOptions, ReadBackWithDefaultsForWhatIsUnusable)
{
    QTemporaryDir folder;
    struct Case {
        const char* text;
        CompanionOptions options;
        std::optional<QDate> page_shown;
    };
    const Case cases[] = {
        {"", {}, none},
        {"[companion]\ntray=true\nreminder=07:30\noutside_year=same_day\npage_shown=2024-12-05\n",
         {true, QTime(7, 30), OutsideYear::same_day}, QDate(2024, 12, 5)},
        {"[companion]\ntray=yes\nreminder=25:00\noutside_year=Same\npage_shown=gestern\n", {}, none},
        {"[companion]\nreminder=08:00:30\n", {}, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QFile file(folder.filePath(QStringLiteral("s.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        QSettings settings(file.fileName(), QSettings::IniFormat);
        EXPECT_EQ(read_companion_options(settings), c.options);
        EXPECT_EQ(read_day_record(settings, DayRecord::page_shown), c.page_shown);
        EXPECT_EQ(read_day_record(settings, DayRecord::reminded), none);

        // What is written reads back the same.
        const CompanionOptions changed{!c.options.tray, QTime(21, 15), OutsideYear::same_day};
        write_companion_options(settings, changed);
        write_day_record(settings, DayRecord::reminded, QDate(2024, 1, 2));
        EXPECT_EQ(read_companion_options(settings), changed);
        EXPECT_EQ(read_day_record(settings, DayRecord::reminded), QDate(2024, 1, 2));
        write_companion_options(settings, {});
        EXPECT_EQ(read_companion_options(settings), CompanionOptions{});
    }
}

TEST(Autostart, EntryIsValidRunsOnceAndGoesAlone)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString path = autostart_path();
    EXPECT_EQ(path, config.filePath(QStringLiteral("autostart/de.selunar.Reader.desktop")));

    ASSERT_EQ(write_autostart(path, QStringLiteral("selunar")), QString());
    EXPECT_EQ(QProcess::execute(QStringLiteral("desktop-file-validate"), {path}), 0);
    QFile entry(path);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=selunar --once\n"));
    entry.close();

    // Written again it stays one entry; removed, the user's other entries stay.
    QFile other(config.filePath(QStringLiteral("autostart/other.desktop")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_EQ(write_autostart(path, QStringLiteral("/usr/bin/selunar")), QString());
    EXPECT_EQ(QDir(config.filePath(QStringLiteral("autostart"))).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(remove_autostart(path), QString());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(other.exists());
    EXPECT_EQ(remove_autostart(path), QString());

    // A file where the folder should be: the cause names the folder.
    QFile::remove(other.fileName());
    QDir(config.path()).rmdir(QStringLiteral("autostart"));
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(write_autostart(path, QStringLiteral("selunar")),
              QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(blocker.fileName()));

    // A program the search path does not find under its name is named by its path, unless that needs quoting.
    EXPECT_EQ(autostart_command(QStringLiteral("/opt/sel/bin/selunar")), QStringLiteral("/opt/sel/bin/selunar"));
    EXPECT_EQ(autostart_command(QStringLiteral("/home/a b/selunar")), QStringLiteral("selunar"));
}
