// Days, help and imprint, and start-up on a day outside the book's year.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

TEST(DaySession, StartsOnTodaysPage)
{
    const Dump start = run_session_file(u"days.script"_qs).dump(u"start.json"_qs);
    EXPECT_EQ(start.text("actdate"), u"2024-03-05"_qs);
    EXPECT_EQ(start.text("firstdate"), u"2024-01-01"_qs);
    EXPECT_EQ(start.text("lastdate"), u"2024-12-31"_qs);
    EXPECT_TRUE(start.page("WB0").contains(u"Dienstag, 5. März 2024"_qs));
    EXPECT_TRUE(start.shows("WB0") && start.shows("headline0"));
    EXPECT_FALSE(start.shows("WB1") || start.shows("headline1") || start.shows("Command3"));
    EXPECT_TRUE(start.strings("messages").isEmpty());

    // The Bible view is prepared, hidden, at the beginning of the Bible.
    EXPECT_TRUE(start.page("WB1").contains(u"1. Mose 1"_qs));
    EXPECT_EQ(start.list("chaps", "count").toInt(), 50);

    // The lookup lists are the first queries, exactly as sent; then the day's author.
    const QStringList queries = start.strings("queries");
    const QStringList lookups = {u" select * from [Bereiche] order by Bezeichnung"_qs,
                                 u" select * from [Bibel] order by Lfdnr"_qs,
                                 u"select * from [VW1AutorenAktiv] order by Nachname, Vorname"_qs};
    EXPECT_EQ(queries.mid(queries.indexOf(lookups[0]), 3), lookups);
    EXPECT_TRUE(start.last_query().startsWith(u"Select * from AutorenNeu Where AID="_qs));
}

TEST(DaySession, PreviousNextTodayAndTheHoverTwin)
{
    const Session& session = run_session_file(u"days.script"_qs);
    const Dump next = session.dump(u"next.json"_qs);
    EXPECT_EQ(next.text("actdate"), u"2024-03-06"_qs);
    EXPECT_TRUE(next.page("WB0").contains(u"Mittwoch, 6. März 2024"_qs));
    EXPECT_EQ(session.dump(u"previous.json"_qs).text("actdate"), u"2024-03-04"_qs);
    EXPECT_EQ(session.dump(u"today.json"_qs).text("actdate"), u"2024-03-05"_qs);
    EXPECT_EQ(session.dump(u"twin.json"_qs).text("actdate"), u"2024-03-06"_qs);
    for (const auto& [name, json] : session.dumps)
        EXPECT_EQ(Dump{json}.text("pointer"), u"default"_qs) << name.toStdString();
}

TEST(DaySession, TheYearsEndsShowTheSameDayAgain)
{
    const Session& session = run_session_file(u"day_edges.script"_qs, u"2024-12-31"_qs);
    const Dump start = session.dump(u"start.json"_qs);
    const Dump after_last = session.dump(u"after_last.json"_qs);
    EXPECT_EQ(after_last.text("actdate"), u"2024-12-31"_qs);
    // The page is written again: its author is looked up once more.
    EXPECT_EQ(after_last.queries_since(start).size(), 1);
    EXPECT_EQ(after_last.page("WB0"), start.page("WB0"));

    EXPECT_EQ(session.dump(u"first.json"_qs).text("actdate"), u"2024-01-01"_qs);
    const Dump before_first = session.dump(u"before_first.json"_qs);
    EXPECT_EQ(before_first.text("actdate"), u"2024-01-01"_qs);
    EXPECT_TRUE(before_first.strings("messages").isEmpty());
}

TEST(DaySession, StartedOutsideTheYearShowsTheLastDay)
{
    const Session& session = run_session_file(u"outside_year.script"_qs, u"2025-01-05"_qs);
    const Dump start = session.dump(u"start.json"_qs);
    EXPECT_EQ(start.text("actdate"), u"2024-12-31"_qs);
    EXPECT_EQ(start.strings("messages"), QStringList{u"Für den 05. Januar 2025 ist keine Losung vorhanden"_qs});
    EXPECT_TRUE(start.page("WB0").contains(u"Dienstag, 31. Dezember 2024"_qs));

    const Dump today = session.dump(u"today.json"_qs);
    EXPECT_EQ(today.text("actdate"), u"2024-12-31"_qs);
    EXPECT_EQ(today.strings("messages").size(), 2);
}

TEST(DaySession, HelpAndImprintAppearInTheViewOfTheMode)
{
    const Session& session = run_session_file(u"help.script"_qs);
    const Dump imprint = session.dump(u"imprint.json"_qs);
    const Dump help = session.dump(u"help.json"_qs);
    EXPECT_TRUE(imprint.page("WB0").contains(u"Impressum"_qs));
    EXPECT_TRUE(help.page("WB0").contains(u"Hilfe"_qs));
    EXPECT_TRUE(help.shows("WB0") && !help.shows("WB1"));
    // Picture paths of the templates point into the data folder.
    EXPECT_FALSE(help.page("WB0").contains(u"../qov_pics/"_qs));

    const Dump bible_help = session.dump(u"bible_help.json"_qs);
    EXPECT_EQ(bible_help.page("WB1"), help.page("WB0"));
    EXPECT_EQ(bible_help.page("WB0"), help.page("WB0"));
    EXPECT_TRUE(bible_help.shows("WB1") && !bible_help.shows("WB0"));
    EXPECT_EQ(session.dump(u"bible_imprint.json"_qs).page("WB1"), imprint.page("WB0"));
}

} // namespace
