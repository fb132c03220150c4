// SPDX-License-Identifier: GPL-2.0-or-later
#include "next_year.h"

#include <algorithm>

namespace {

constexpr int first_month_to_tell = 11;

} // namespace

std::optional<int> missing_next_year(const Editions& editions, QDate today)
{
    if (today.month() < first_month_to_tell)
        return std::nullopt;
    const int next = today.year() + 1;
    const bool present = std::any_of(editions.begin(), editions.end(), [next](const Edition& edition) {
        return edition.usable && edition.firstdate.year() <= next && next <= edition.lastdate.year();
    });
    return present ? std::nullopt : std::optional(next);
}

bool announce_missing_year(std::optional<int> missing, int announced)
{
    return missing && *missing != announced;
}

QString add_edition_label()
{
    return QStringLiteral("Jahrgang hinzufügen …");
}

QString missing_year_notice(int year)
{
    return QStringLiteral("Der Jahrgang %1 fehlt noch – ").arg(year) + add_edition_label();
}
