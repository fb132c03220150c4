// SPDX-License-Identifier: GPL-2.0-or-later
#include "calendar_day.h"

namespace {

QDate in_year(int year, QDate date)
{
    const int day = date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year) ? 28 : date.day();
    return QDate(year, date.month(), day);
}

} // namespace

std::optional<QDate> same_day_in(const Edition& edition, QDate date)
{
    if (!edition.firstdate.isValid() || !edition.lastdate.isValid())
        return std::nullopt;
    for (int year = edition.firstdate.year(); year <= edition.lastdate.year(); ++year) {
        const QDate day = in_year(year, date);
        if (edition.firstdate <= day && day <= edition.lastdate)
            return day;
    }
    return std::nullopt;
}

QDate day_to_open_in(const Edition& edition, QDate date)
{
    if (const auto day = same_day_in(edition, date))
        return *day;
    return in_year(edition.firstdate.year(), date) < edition.firstdate ? edition.firstdate : edition.lastdate;
}

QList<qsizetype> other_years(const Editions& editions, qsizetype shown, QDate date)
{
    QList<qsizetype> found;
    for (qsizetype i = 0; i < editions.size(); ++i) {
        if (i == shown || !editions[i].usable)
            continue;
        const auto day = same_day_in(editions[i], date);
        if (day && day->day() == date.day())
            found.append(i);
    }
    return found;
}
