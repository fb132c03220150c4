#include "current_date.h"

#include <gtest/gtest.h>

TEST(Setactdate, DatesOutsideTheYearAreReportedAndFallBackToItsLastDay)
{
    const QDate first(2024, 1, 1), last(2024, 12, 31);
    struct Case {
        QDateTime datum;
        bool accepted;
        QDate actdate;
        QString message;
    };
    const Case cases[] = {
        {QDateTime(first, QTime(0, 0), Qt::UTC), true, first, {}},
        {QDateTime(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC), true, QDate(2024, 6, 15), {}},
        {QDateTime(last, QTime(0, 0), Qt::UTC), true, last, {}},
        {QDateTime(QDate(2023, 12, 31), QTime(0, 0), Qt::UTC), false, last,
         u"Für den 31. Dezember 2023 ist keine Losung vorhanden"_qs},
        {QDateTime(QDate(2025, 3, 5), QTime(0, 0), Qt::UTC), false, last,
         u"Für den 05. März 2025 ist keine Losung vorhanden"_qs},
        // Any time after midnight of the last day lies after the year.
        {QDateTime(last, QTime(0, 0, 1), Qt::UTC), false, last,
         u"Für den 31. Dezember 2024 ist keine Losung vorhanden"_qs},
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
