// SPDX-License-Identifier: GPL-2.0-or-later
#include "calendar_day.h"
#include "edition_choice.h"
#include "next_year.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

QDate day(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

Edition edition(const char* first, const char* last, bool usable = true)
{
    Edition e;
    e.firstdate = day(first);
    e.lastdate = day(last);
    e.year = e.firstdate.year();
    e.folder = QString::number(e.year);
    e.usable = usable;
    return e;
}

Edition year(int y, bool usable = true)
{
    const QByteArray first = QByteArray::number(y) + "-01-01";
    const QByteArray last = QByteArray::number(y) + "-12-31";
    return edition(first.constData(), last.constData(), usable);
}

std::optional<QDate> maybe(const char* iso)
{
    return iso ? std::optional(day(iso)) : std::nullopt;
}

} // namespace

TEST(EditionForDate, HoldingTheDateElseTheLastBeforeItElseTheFirst)
{
    const Editions one = {year(2024)};
    const Editions gap = {year(2023), year(2024), year(2026)};
    const Editions overlapping = {edition("2024-01-01", "2024-12-31"), edition("2024-06-01", "2025-05-31")};
    const Editions twins = {year(2025), year(2025), edition("2023-01-01", "2023-06-30"),
                            edition("2023-03-01", "2023-06-30")};
    const Editions first_unusable = {year(2024, false), year(2025), year(2023, false)};
    const Editions none_usable = {year(2024, false)};
    struct Case {
        const Editions& editions;
        const char* date;
        std::optional<qsizetype> chosen;
    };
    const Case cases[] = {
        {one, "2024-03-05", 0}, {one, "2026-12-07", 0}, {one, "2023-12-31", 0},
        {gap, "2024-03-05", 1}, {gap, "2024-12-31", 1}, {gap, "2026-01-01", 2},
        {gap, "2025-06-01", 1}, {gap, "2027-01-01", 2}, {gap, "2022-12-31", 0},
        {overlapping, "2024-07-01", 1}, {overlapping, "2024-05-31", 0}, {overlapping, "2025-05-31", 1},
        {twins, "2025-07-01", 0}, {twins, "2026-01-01", 0}, {twins, "2023-04-01", 3},
        {twins, "2024-01-01", 2}, {twins, "2022-01-01", 2},
        {first_unusable, "2024-03-05", 1}, {first_unusable, "2023-03-05", 1},
        {none_usable, "2024-03-05", std::nullopt}, {{}, "2024-03-05", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(edition_for_date(c.editions, day(c.date)), c.chosen) << c.date;
}

TEST(CalendarDay, TheSameMonthAndDayInTheOtherEdition)
{
    const Edition y2025 = year(2025);
    const Edition y2024 = year(2024);
    const Edition y2028 = year(2028);
    const Edition spring = edition("2025-03-01", "2025-06-30");
    const Edition school = edition("2024-12-01", "2025-11-30");
    struct Case {
        const Edition& edition;
        const char* date;
        const char* same;  // nullptr: the edition lacks that day
        const char* open;
    };
    const Case cases[] = {
        {y2025, "2024-03-05", "2025-03-05", "2025-03-05"},
        {y2025, "2024-02-29", "2025-02-28", "2025-02-28"},
        {y2024, "2025-02-28", "2024-02-28", "2024-02-28"},
        {y2028, "2024-02-29", "2028-02-29", "2028-02-29"},
        {y2024, "2025-12-31", "2024-12-31", "2024-12-31"},
        {y2024, "2025-01-01", "2024-01-01", "2024-01-01"},
        {spring, "2024-12-24", nullptr, "2025-06-30"},
        {spring, "2024-01-10", nullptr, "2025-03-01"},
        {spring, "2024-03-01", "2025-03-01", "2025-03-01"},
        {school, "2023-03-05", "2025-03-05", "2025-03-05"},
        {school, "2023-12-24", "2024-12-24", "2024-12-24"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(same_day_in(c.edition, day(c.date)), maybe(c.same)) << c.edition.folder.toStdString();
        EXPECT_EQ(day_to_open_in(c.edition, day(c.date)), day(c.open)) << c.edition.folder.toStdString();
    }
}

TEST(CalendarDay, OtherYearsHoldingTheVeryDay)
{
    const Editions editions = {year(2023), year(2024), year(2025), year(2025), year(2026, false),
                               edition("2027-01-01", "2027-06-30"), year(2028)};
    struct Case {
        qsizetype shown;
        const char* date;
        QList<qsizetype> others;
    };
    const Case cases[] = {
        {1, "2024-03-05", {0, 2, 3, 5, 6}},
        {1, "2024-12-24", {0, 2, 3, 6}},
        {1, "2024-02-29", {6}},
        {6, "2028-02-29", {1}},
        {2, "2025-03-05", {0, 1, 3, 5, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(other_years(editions, c.shown, day(c.date)), c.others) << c.date;
}

TEST(NextYear, MissingFromNovemberOnAndSaidOnce)
{
    const Editions only_2026 = {year(2026)};
    const Editions both = {year(2026), year(2027)};
    const Editions next_unusable = {year(2026), year(2027, false)};
    const Editions reaching = {edition("2026-12-01", "2027-11-30")};
    struct Case {
        const Editions& editions;
        const char* today;
        std::optional<int> missing;
    };
    const Case cases[] = {
        {only_2026, "2026-10-31", std::nullopt}, {only_2026, "2026-11-01", 2027},
        {only_2026, "2026-12-31", 2027},         {both, "2026-11-01", std::nullopt},
        {next_unusable, "2026-11-15", 2027},     {reaching, "2026-11-15", std::nullopt},
        {{}, "2026-11-15", 2027},                {only_2026, "2025-11-15", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(missing_next_year(c.editions, day(c.today)), c.missing) << c.today;

    const std::tuple<std::optional<int>, int, bool> said[] = {
        {std::nullopt, 0, false}, {2027, 0, true}, {2027, 2027, false}, {2027, 2026, true}, {std::nullopt, 2027, false},
    };
    for (const auto& [missing, announced, say] : said)
        EXPECT_EQ(announce_missing_year(missing, announced), say) << announced;
}
