// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The companion's rules of the calendar: which day of the book a date opens,
// and what happens once a day.

#include "companion_options.h"

#include <QDate>
#include <QTime>

#include <optional>

// The day of the book [first, last] that `today` opens without a message:
// today itself inside the book's days; outside them, with `same_day`, the
// same month and day in a year of the book (so 29 February only from a leap
// year, and only when the book has it). None where the start goes to the last
// day with a message instead.
std::optional<QDate> book_day(QDate today, QDate first, QDate last, OutsideYear mode);

// True when a start with --once ends at once: today's page was shown on `today`.
bool shown_today(std::optional<QDate> page_shown, QDate today);

// True when the reminder set for `at` falls due at `now` on `today`: the
// time has come and no reminder went out on `today` yet.
bool reminder_due(std::optional<QTime> at, QDate today, QTime now, std::optional<QDate> reminded);
