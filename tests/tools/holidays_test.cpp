// SPDX-License-Identifier: GPL-2.0-or-later
#include "holidays.h"

#include <gtest/gtest.h>

namespace {

TEST(Holidays, EasterSundayFollowsTheGregorianComputus)
{
    for (const QDate easter : {QDate(2024, 3, 31), QDate(2025, 4, 20), QDate(2038, 4, 25), QDate(2000, 4, 23), QDate(1818, 3, 22)})
        EXPECT_EQ(easter_sunday(easter.year()), easter);
}

TEST(Holidays, FeastsStandOnTheirDatesAdventAndBussUndBettagMoveWithTheWeekday)
{
    const std::pair<QDate, const char*> expected[] = {
        {{2024, 3, 29}, "Karfreitag"},        {{2024, 3, 31}, "Ostersonntag"},
        {{2024, 4, 1}, "Ostermontag"},        {{2024, 5, 9}, "Christi Himmelfahrt"},
        {{2024, 5, 20}, "Pfingstmontag"},     {{2024, 10, 6}, "Erntedankfest"},
        {{2024, 10, 31}, "Reformationstag"},  {{2024, 11, 20}, "Buß- und Bettag"},
        {{2024, 11, 24}, "Ewigkeitssonntag"}, {{2024, 12, 1}, "1. Advent"},
        {{2024, 12, 22}, "4. Advent"},        {{2024, 12, 26}, "2. Weihnachtstag"},
        {{2024, 12, 31}, "Silvester"},
        // 2023: Christmas Eve is a Sunday, so it is the fourth Advent Sunday;
        // 23 November is a Thursday.
        {{2023, 12, 24}, "Heiligabend, 4. Advent"},
        {{2023, 11, 22}, "Buß- und Bettag"},  {{2023, 11, 26}, "Ewigkeitssonntag"},
        // 2025: Easter three weeks later, and the feasts that follow it.
        {{2025, 3, 5}, "Aschermittwoch"},     {{2025, 4, 18}, "Karfreitag"},
        {{2025, 4, 20}, "Ostersonntag"},      {{2025, 5, 29}, "Christi Himmelfahrt"},
        {{2025, 6, 9}, "Pfingstmontag"},      {{2025, 6, 19}, "Fronleichnam"},
        {{2025, 10, 5}, "Erntedankfest"},     {{2025, 11, 19}, "Buß- und Bettag"},
        {{2025, 11, 30}, "1. Advent"},        {{2025, 12, 21}, "4. Advent"},
        {{2025, 12, 24}, "Heiligabend"},
    };
    for (const auto& [date, name] : expected) {
        const auto days = holidays(date.year());
        ASSERT_TRUE(days.count(date)) << date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(days.at(date), QString::fromUtf8(name));
    }
}

} // namespace
