// SPDX-License-Identifier: GPL-2.0-or-later
#include "holidays.h"

QDate easter_sunday(int year)
{
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

namespace {

// The last `weekday` (1 = Monday … 7 = Sunday) on or before `date`.
QDate weekday_on_or_before(QDate date, int weekday)
{
    return date.addDays(-((date.dayOfWeek() - weekday + 7) % 7));
}

} // namespace

std::map<QDate, QString> holidays(int year)
{
    std::map<QDate, QString> days;
    // Two feasts on one day (Heiligabend on the fourth Advent Sunday) share it.
    const auto add = [&](QDate date, const char* name) {
        QString& entry = days[date];
        entry = entry.isEmpty() ? QString::fromUtf8(name) : entry + ", " + QString::fromUtf8(name);
    };
    const auto fixed = [&](int month, int day, const char* name) { add(QDate(year, month, day), name); };
    fixed(1, 1, "Neujahr");
    fixed(1, 6, "Epiphanias");
    fixed(5, 1, "Tag der Arbeit");
    fixed(10, 3, "Tag der Deutschen Einheit");
    fixed(10, 31, "Reformationstag");
    fixed(11, 1, "Allerheiligen");
    fixed(12, 24, "Heiligabend");
    fixed(12, 25, "1. Weihnachtstag");
    fixed(12, 26, "2. Weihnachtstag");
    fixed(12, 31, "Silvester");

    const QDate easter = easter_sunday(year);
    const auto from_easter = [&](int offset, const char* name) { add(easter.addDays(offset), name); };
    from_easter(-46, "Aschermittwoch");
    from_easter(-7, "Palmsonntag");
    from_easter(-3, "Gründonnerstag");
    from_easter(-2, "Karfreitag");
    from_easter(-1, "Karsamstag");
    from_easter(0, "Ostersonntag");
    from_easter(1, "Ostermontag");
    from_easter(39, "Christi Himmelfahrt");
    from_easter(49, "Pfingstsonntag");
    from_easter(50, "Pfingstmontag");
    from_easter(56, "Trinitatis");
    from_easter(60, "Fronleichnam");

    // Erntedankfest: the first Sunday in October.
    add(weekday_on_or_before(QDate(year, 10, 7), Qt::Sunday), "Erntedankfest");

    // The fourth Advent Sunday is the last Sunday before Christmas Day; the
    // church year's last Sundays count back from the first Advent Sunday.
    const QDate advent4 = weekday_on_or_before(QDate(year, 12, 24), Qt::Sunday);
    const QDate advent1 = advent4.addDays(-21);
    add(advent1, "1. Advent");
    add(advent1.addDays(7), "2. Advent");
    add(advent1.addDays(14), "3. Advent");
    add(advent4, "4. Advent");
    add(advent1.addDays(-7), "Ewigkeitssonntag");
    add(advent1.addDays(-14), "Volkstrauertag");
    add(weekday_on_or_before(QDate(year, 11, 22), Qt::Wednesday), "Buß- und Bettag");
    return days;
}
