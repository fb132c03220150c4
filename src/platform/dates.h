// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// German dates as the reader shows and reads them. Every function uses the
// German locale explicitly, whatever the system's locale is.

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

// "Montag, 1. Januar 2024": weekday, day without leading zero, month name, year.
QString format_long_date(QDate date);

// "05. Januar 2025": two-digit day, month name, year.
QString format_message_date(QDate date);

// "05.03.24": two-digit day, month and year.
QString format_list_date(QDate date);

// "05.03.2024": the short date form of the German locale, used in day links
// and in the date-format message.
QString format_short_date(QDate date);

// Reads a date as users type it and as day links carry it: day, month and
// year separated by ".", "/" or "-" ("5.3.2024", "05.03.24", "5.3.24"),
// surrounding blanks allowed. A two-digit year 00-29 means 20xx, 30-99 means
// 19xx. Anything else, or a day that does not exist, gives nullopt.
std::optional<QDate> read_user_date(const QString& text);

// Reads the date field: every form read_user_date takes, with blanks also
// around the separators (" 24. 12. 2024 "), and day and month alone ("24.12."
// or "24.12") as that day in `book_year`.
std::optional<QDate> read_date_field(const QString& text, int book_year);

// The calendar date of a database value: a date-time or date gives its date,
// ISO text ("YYYY-MM-DD", optionally followed by a time) its date; anything
// else, Null included, gives an invalid QDate.
QDate date_of(const QVariant& value);
