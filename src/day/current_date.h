// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

// Sets `actdate` to the date of `Datum1` and checks it against the book's
// year. Inside [firstdate, lastdate] (both included) it returns true. Outside
// it hands "Für den <dd. mmmm yyyy> ist keine Losung vorhanden" to `notify`,
// then sets `actdate` to `lastdate` (for dates before the year as well) and
// returns false. A time of day later than midnight on `lastdate` counts as
// after the year.
bool setactdate(QDate& actdate, const QDateTime& Datum1, QDate firstdate, QDate lastdate,
                const std::function<void(const QString&)>& notify);
