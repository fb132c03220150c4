// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The same calendar day in another edition: on changing edition, and for the
// day page's "Dieser Tag: 2023 · 2025".

#include "edition.h"

#include <optional>

// The day of `edition` with the month and day of `date`, in the first year
// of the edition where it falls between its first and last day; 29 February
// is 28 February in a year without it. Nothing when the edition does not
// hold that day (a book cut short).
std::optional<QDate> same_day_in(const Edition& edition, QDate date);

// The day to open on changing to `edition` from `date`: same_day_in, else
// the edition's first day when that day would lie before it, its last day
// when after.
QDate day_to_open_in(const Edition& edition, QDate date);

// The other usable editions (indexes, in list order) holding the very
// calendar day of `date`: 29 February only in a leap year. `shown` is the
// index of the edition shown, left out.
QList<qsizetype> other_years(const Editions& editions, qsizetype shown, QDate date);
