// SPDX-License-Identifier: GPL-2.0-or-later
// The layer's pages: the year's progress with what is left to catch up, and
// the favourites and notes in their order; and finding notes by their words.

#include "personal_pages.h"

#include <gtest/gtest.h>

namespace {

TEST(PersonalPages, ProgressCountsTheBookYearAndListsWhatToCatchUp)
{
    const QDate first(2024, 1, 1), last(2024, 12, 31), today(2024, 3, 5);
    const std::vector<QDate> read = {QDate(2023, 12, 31), QDate(2024, 3, 2), QDate(2024, 3, 4)};
    std::vector<DayReading> readings;
    for (QDate day(2024, 3, 1); day <= QDate(2024, 3, 6); day = day.addDays(1))
        readings.push_back({day, QStringLiteral("Lesung <%1>").arg(day.day())});
    const QString page = progress_page(first, last, today, read, readings);

    EXPECT_TRUE(page.contains(u"2 von 366 Tagen gelesen"));
    for (const char* month : {"Januar", "Februar", "Dezember"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(month)));
    EXPECT_EQ(page.count(u"bgcolor="), 2);
    EXPECT_TRUE(page.contains(u"bgcolor=\"#9fd49a\" align=\"right\"><a href=\"GOTO02.03.2024|\">2</a>"));
    const QString catch_up = page.section(QStringLiteral("Nachholen"), 1);
    EXPECT_TRUE(catch_up.contains(u"<a href=\"GOTO01.03.2024|\">Freitag, 1. März 2024</a>: Lesung &lt;1&gt;"));
    EXPECT_TRUE(catch_up.contains(u"GOTO03.03.2024|"));
    for (const char* left_out : {"GOTO02.03.2024|", "GOTO04.03.2024|", "GOTO05.03.2024|", "GOTO06.03.2024|"})
        EXPECT_FALSE(catch_up.contains(QString::fromUtf8(left_out))) << left_out;
    EXPECT_TRUE(progress_page(first, last, first, read, readings).contains(u"Nichts nachzuholen"));
    EXPECT_TRUE(page.contains(u"<p class=\"kopf\">Lesefortschritt 2024</p>"));
    EXPECT_FALSE(page.contains(u"Andere Jahrgänge"));

    // The other editions' progress is a link away.
    const QString with_others = progress_page(first, last, today, read, readings, {2023, 2025});
    EXPECT_TRUE(with_others.contains(
        u"Andere Jahrgänge: <a href=\"FORTSCHRITT|2023|\">2023</a> · <a href=\"FORTSCHRITT|2025|\">2025</a>"));
    const std::pair<const char*, int> links[] = {{"FORTSCHRITT|2025|", 2025}, {"FORTSCHRITT|25|", 0},
                                                 {"FORTSCHRITT|2025", 0},    {"xFORTSCHRITT|2025|", 0},
                                                 {"GOTO05.03.2025|", 0}};
    for (const auto& [address, year] : links)
        EXPECT_EQ(progress_link_year(QString::fromLatin1(address)), year) << address;
}

TEST(PersonalPages, NotesPageListsDaysThenVersesInBibleOrder)
{
    const PersonalData data{{},
                            {Target::verse(10, 1, 1), Target::day(QDate(2024, 3, 5))},
                            {{Target::verse(2, 1, 1), QStringLiteral("Erste\nZweite")},
                             {Target::day(QDate(2024, 1, 2)), QStringLiteral("Tag & Nacht")}}};
    const QString page = notes_page(data, [](const QString& key) { return QStringLiteral("Vers ") + key; });
    const QStringList order = {QStringLiteral("Andachten"), QStringLiteral("GOTO02.01.2024|"),
                               QStringLiteral("Tag &amp; Nacht"), QStringLiteral("GOTO05.03.2024|\">Dienstag, 5. März 2024</a> ★"),
                               QStringLiteral("Verse"), QStringLiteral("BIBLE|2_1_1|\">Vers 2_1_1</a><br>\n✎ Erste</p>"),
                               QStringLiteral("BIBLE|10_1_1|")};
    qsizetype at = 0;
    for (const QString& part : order) {
        const qsizetype found = page.indexOf(part, at);
        EXPECT_GE(found, at) << part.toStdString();
        at = std::max(at, found);
    }
    EXPECT_FALSE(page.contains(u"Zweite"));
}

} // namespace
