// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The layer's values (QVariant, see database.h) to and from SQLite's.
//
// Dates live in SQLite as ISO text: "YYYY-MM-DD" for a date without time of
// day, "YYYY-MM-DD HH:MM:SS" with one; text order is then date order.

#include <QDateTime>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;

// Whether a column declared with type `declared_type` (may be null) holds
// dates: its type names DATE or TIME (DATETIME, DATE, TIMESTAMP ...).
bool is_date_type(const char* declared_type);

// The ISO text under which a date is stored: its calendar date and time of day
// as the value shows them, without time when that is midnight.
QString iso_date_text(const QDateTime& value);

// Parses the stored ISO text ("YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS", also
// with "T" between date and time) as a UTC date; an invalid QDateTime when the
// text is neither.
QDateTime parse_iso_date(QStringView text);

// Column `column` of the current row of `stmt`: NULL gives Null, INTEGER
// qint64, REAL double, BLOB QByteArray, TEXT QString, except that text in a
// date column that reads as an ISO date gives a QDateTime in UTC.
QVariant column_value(sqlite3_stmt* stmt, int column, bool date_column);

// Binds `value` to parameter `index`: Null as NULL, QDate/QDateTime as ISO
// text, bool and whole numbers as integers, reals as reals, QByteArray as a
// blob, anything else as its text. Returns SQLite's result code.
int bind_value(sqlite3_stmt* stmt, int index, const QVariant& value);
