// SPDX-License-Identifier: GPL-2.0-or-later
#include "daily_rules.h"

std::optional<QDate> book_day(QDate today, QDate first, QDate last, OutsideYear mode)
{
    if (today >= first && today <= last)
        return today;
    if (mode != OutsideYear::same_day || !first.isValid() || !last.isValid())
        return std::nullopt;
    // QDate refuses 29 February of a common year, so a leap day is never
    // invented and a common year's days all have their twin.
    for (int year = first.year(); year <= last.year(); ++year) {
        const QDate twin(year, today.month(), today.day());
        if (twin.isValid() && twin >= first && twin <= last)
            return twin;
    }
    return std::nullopt;
}

bool shown_today(std::optional<QDate> page_shown, QDate today)
{
    return page_shown == today;
}

bool reminder_due(std::optional<QTime> at, QDate today, QTime now, std::optional<QDate> reminded)
{
    return at && now >= *at && reminded != today;
}
