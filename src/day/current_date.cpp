// SPDX-License-Identifier: GPL-2.0-or-later
#include "current_date.h"

#include "dates.h"

bool setactdate(QDate& actdate, const QDateTime& Datum1, QDate firstdate, QDate lastdate,
                const std::function<void(const QString&)>& notify)
{
    const QDate d = Datum1.date();
    actdate = d;
    // A value past midnight of the last day lies after the year, as the
    // comparison is made on the whole value, not on its calendar day.
    const bool after_last = d > lastdate || (d == lastdate && Datum1.time() > QTime(0, 0));
    if (d >= firstdate && !after_last)
        return true;
    notify(QStringLiteral("Für den ") + format_message_date(d)
           + QStringLiteral(" ist keine Losung vorhanden"));
    actdate = lastdate;
    return false;
}
