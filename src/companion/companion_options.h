// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The daily companion's options and its two records of the day, as the
// settings file keeps them. Values that are missing or unusable (an old file,
// one edited by hand) read as the defaults.

#include <QDate>
#include <QSettings>
#include <QTime>

#include <optional>

// What a start outside the book's days opens.
enum class OutsideYear {
    last_day,  // the last day of the book, after a message
    same_day,  // the same calendar day in the book's year, without a message
};

struct CompanionOptions {
    bool tray = false;              // an icon in the desktop's tray
    std::optional<QTime> reminder;  // the daily reminder's time of day (minutes); none: off
    OutsideYear outside_year = OutsideYear::last_day;

    bool operator==(const CompanionOptions&) const = default;
};

// tray "true"/"false", reminder "HH:MM", outside_year "last"/"same_day".
CompanionOptions read_companion_options(const QSettings& settings);
void write_companion_options(QSettings& settings, const CompanionOptions& options);

// The two days the companion remembers: when today's page was last shown
// and when the reminder was last sent. A value that is no ISO date reads as none.
enum class DayRecord { page_shown, reminded };
std::optional<QDate> read_day_record(const QSettings& settings, DayRecord record);
void write_day_record(QSettings& settings, DayRecord record, QDate day);

// "HH:MM" into a time of day; none for anything else.
std::optional<QTime> parse_time_of_day(const QString& text);
