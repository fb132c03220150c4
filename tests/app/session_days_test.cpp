// Days, help and imprint, and start-up on a day outside the book's year.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

QString actdate(const QJsonObject& dump)
{
    return dump[QStringLiteral("actdate")].toString();
}

TEST(DaySession, StartsOnTodaysPage)
{
    const Session session = run_session(QStringLiteral("days.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const QJsonObject start = session.dump(QStringLiteral("start.json"));

    EXPECT_EQ(actdate(start), QStringLiteral("2024-03-05"));
    EXPECT_EQ(start[QStringLiteral("firstdate")].toString(), QStringLiteral("2024-01-01"));
    EXPECT_EQ(start[QStringLiteral("lastdate")].toString(), QStringLiteral("2024-12-31"));
    EXPECT_TRUE(page(start, QStringLiteral("WB0")).contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(visible(start, QStringLiteral("WB0")) && visible(start, QStringLiteral("headline0")));
    EXPECT_FALSE(visible(start, QStringLiteral("WB1")) || visible(start, QStringLiteral("headline1")));
    EXPECT_FALSE(visible(start, QStringLiteral("Command3")));
    EXPECT_TRUE(strings(start[QStringLiteral("messages")]).isEmpty());

    // The Bible view is prepared, hidden, at the beginning of the Bible.
    EXPECT_EQ(start[QStringLiteral("actbcv")].toString(), QStringLiteral("1_1_0"));
    EXPECT_EQ(start[QStringLiteral("hilitebcv")].toString(), QString());
    EXPECT_TRUE(page(start, QStringLiteral("WB1")).contains(QStringLiteral("1. Mose 1")));
    EXPECT_EQ(list(start, QStringLiteral("chaps"))[QStringLiteral("count")].toInt(), 50);

    // The lookup lists are the first queries, exactly as sent; then the day's author.
    const QStringList queries = strings(start[QStringLiteral("queries")]);
    ASSERT_GE(queries.size(), 4);
    EXPECT_EQ(queries.mid(queries.indexOf(QStringLiteral(" select * from [Bereiche] order by Bezeichnung")), 3),
              (QStringList{QStringLiteral(" select * from [Bereiche] order by Bezeichnung"),
                           QStringLiteral(" select * from [Bibel] order by Lfdnr"),
                           QStringLiteral("select * from [VW1AutorenAktiv] order by Nachname, Vorname")}));
    EXPECT_TRUE(queries.constLast().startsWith(QStringLiteral("Select * from AutorenNeu Where AID=")));
}

TEST(DaySession, PreviousNextTodayAndIndexesBeyondTheCommands)
{
    const Session session = run_session(QStringLiteral("days.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject next = session.dump(QStringLiteral("next.json"));
    EXPECT_EQ(actdate(next), QStringLiteral("2024-03-06"));
    EXPECT_TRUE(page(next, QStringLiteral("WB0")).contains(QStringLiteral("Mittwoch, 6. März 2024")));
    EXPECT_EQ(actdate(session.dump(QStringLiteral("previous.json"))), QStringLiteral("2024-03-04"));
    EXPECT_EQ(actdate(session.dump(QStringLiteral("today.json"))), QStringLiteral("2024-03-05"));
    EXPECT_EQ(actdate(session.dump(QStringLiteral("twin.json"))), QStringLiteral("2024-03-06"));
    for (const auto& [name, dump] : session.dumps)
        EXPECT_EQ(dump[QStringLiteral("pointer")].toString(), QStringLiteral("default")) << name.toStdString();

    // Indexes beyond the commands do nothing.
    const QJsonObject twin = session.dump(QStringLiteral("twin.json"));
    const QJsonObject after = session.dump(QStringLiteral("no_command.json"));
    EXPECT_EQ(actdate(after), actdate(twin));
    EXPECT_EQ(page(after, QStringLiteral("WB0")), page(twin, QStringLiteral("WB0")));
    EXPECT_TRUE(queries_since(twin, after).isEmpty());
}

TEST(DaySession, TheYearsEndsShowTheSameDayAgain)
{
    SessionOptions options;
    options.today = QStringLiteral("2024-12-31");
    const Session session = run_session(QStringLiteral("day_edges.script"), options);
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject start = session.dump(QStringLiteral("start.json"));
    const QJsonObject after_last = session.dump(QStringLiteral("after_last.json"));
    EXPECT_EQ(actdate(after_last), QStringLiteral("2024-12-31"));
    // The page is written again: its author is looked up once more.
    EXPECT_EQ(queries_since(start, after_last).size(), 1);
    EXPECT_EQ(page(after_last, QStringLiteral("WB0")), page(start, QStringLiteral("WB0")));

    EXPECT_EQ(actdate(session.dump(QStringLiteral("first.json"))), QStringLiteral("2024-01-01"));
    EXPECT_EQ(actdate(session.dump(QStringLiteral("before_first.json"))), QStringLiteral("2024-01-01"));
    EXPECT_TRUE(strings(session.dump(QStringLiteral("before_first.json"))[QStringLiteral("messages")]).isEmpty());
}

TEST(DaySession, StartedOutsideTheYearShowsTheLastDay)
{
    SessionOptions options;
    options.today = QStringLiteral("2025-01-05");
    const Session session = run_session(QStringLiteral("outside_year.script"), options);
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject start = session.dump(QStringLiteral("start.json"));
    EXPECT_EQ(actdate(start), QStringLiteral("2024-12-31"));
    EXPECT_EQ(strings(start[QStringLiteral("messages")]),
              QStringList{QStringLiteral("Für den 05. Januar 2025 ist keine Losung vorhanden")});
    EXPECT_TRUE(page(start, QStringLiteral("WB0")).contains(QStringLiteral("Dienstag, 31. Dezember 2024")));

    const QJsonObject today = session.dump(QStringLiteral("today.json"));
    EXPECT_EQ(actdate(today), QStringLiteral("2024-12-31"));
    EXPECT_EQ(strings(today[QStringLiteral("messages")]).size(), 2);
}

TEST(DaySession, HelpAndImprintAppearInTheViewOfTheMode)
{
    const Session session = run_session(QStringLiteral("help.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject imprint = session.dump(QStringLiteral("imprint.json"));
    const QJsonObject help = session.dump(QStringLiteral("help.json"));
    EXPECT_TRUE(page(imprint, QStringLiteral("WB0")).contains(QStringLiteral("Impressum")));
    EXPECT_TRUE(page(help, QStringLiteral("WB0")).contains(QStringLiteral("Hilfe")));
    EXPECT_NE(page(help, QStringLiteral("WB0")), page(imprint, QStringLiteral("WB0")));
    EXPECT_TRUE(visible(help, QStringLiteral("WB0")) && !visible(help, QStringLiteral("WB1")));
    // Picture paths of the templates point into the data folder.
    EXPECT_FALSE(page(help, QStringLiteral("WB0")).contains(QStringLiteral("../qov_pics/")));

    const QJsonObject bible_help = session.dump(QStringLiteral("bible_help.json"));
    EXPECT_EQ(page(bible_help, QStringLiteral("WB1")), page(help, QStringLiteral("WB0")));
    EXPECT_EQ(page(bible_help, QStringLiteral("WB0")), page(help, QStringLiteral("WB0")));
    EXPECT_TRUE(visible(bible_help, QStringLiteral("WB1")) && !visible(bible_help, QStringLiteral("WB0")));
    EXPECT_EQ(page(session.dump(QStringLiteral("bible_imprint.json")), QStringLiteral("WB1")),
              page(imprint, QStringLiteral("WB0")));
}

} // namespace
