#include "current_date.h"

#include <gtest/gtest.h>

namespace {

const QDate first(2024, 1, 1);
const QDate last(2024, 12, 31);

QDateTime at(QDate date, QTime time = QTime(0, 0))
{
    return QDateTime(date, time, Qt::UTC);
}

struct Outcome {
    bool accepted;
    QDate actdate;
    QStringList messages;
};

Outcome set(const QDateTime& value)
{
    Outcome outcome{false, QDate(2000, 1, 1), {}};
    outcome.accepted = setactdate(outcome.actdate, value, first, last,
                                  [&](const QString& message) { outcome.messages << message; });
    return outcome;
}

} // namespace

TEST(Setactdate, AcceptsBothEndsOfTheYear)
{
    for (const QDate d : {first, QDate(2024, 6, 15), last}) {
        const Outcome outcome = set(at(d));
        EXPECT_TRUE(outcome.accepted);
        EXPECT_EQ(outcome.actdate, d);
        EXPECT_TRUE(outcome.messages.isEmpty());
    }
}

TEST(Setactdate, DayBeforeTheYearFallsBackToTheLastDay)
{
    const Outcome outcome = set(at(QDate(2023, 12, 31)));
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.actdate, last);
    EXPECT_EQ(outcome.messages, QStringList{u"Für den 31. Dezember 2023 ist keine Losung vorhanden"_qs});
}

TEST(Setactdate, DayAfterTheYearIsReportedWithGermanMonthName)
{
    const Outcome outcome = set(at(QDate(2025, 3, 5)));
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.actdate, last);
    EXPECT_EQ(outcome.messages, QStringList{u"Für den 05. März 2025 ist keine Losung vorhanden"_qs});
}

TEST(Setactdate, TimeOfDayAfterMidnightOnTheLastDayCountsAsAfter)
{
    const Outcome outcome = set(at(last, QTime(0, 0, 1)));
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.actdate, last);
    EXPECT_EQ(outcome.messages, QStringList{u"Für den 31. Dezember 2024 ist keine Losung vorhanden"_qs});

    EXPECT_TRUE(set(at(QDate(2024, 6, 15), QTime(12, 0))).accepted);
}
