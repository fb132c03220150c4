// SPDX-License-Identifier: GPL-2.0-or-later
#include "current_date.h"

#include <gtest/gtest.h>

TEST(Setactdate, DatesOutsideTheYearAreReportedAndFallBackToItsLastDay)
{
    const QDate first(2024, 1, 1), last(2024, 12, 31);
    const auto at = [](QDate date, QTime time = QTime(0, 0)) { return QDateTime(date, time, Qt::UTC); };
    struct Case {
        QDateTime datum;
        bool accepted;
        QDate actdate;
        QString message;
    };
    const Case cases[] = {
        {at(first), true, first, {}},
        {at(QDate(2024, 6, 15), QTime(12, 0)), true, QDate(2024, 6, 15), {}},
        {at(last), true, last, {}},
        {at(QDate(2023, 12, 31)), false, last, u"Für den 31. Dezember 2023 ist keine Losung vorhanden"_qs},
        {at(QDate(2025, 3, 5)), false, last, u"Für den 05. März 2025 ist keine Losung vorhanden"_qs},
        // Any time after midnight of the last day lies after the year.
        {at(last, QTime(0, 0, 1)), false, last, u"Für den 31. Dezember 2024 ist keine Losung vorhanden"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.datum.toString(Qt::ISODate).toStdString());
        QDate actdate(2000, 1, 1);
        QStringList messages;
        EXPECT_EQ(setactdate(actdate, c.datum, first, last, [&](const QString& m) { messages << m; }), c.accepted);
        EXPECT_EQ(actdate, c.actdate);
        EXPECT_EQ(messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}
