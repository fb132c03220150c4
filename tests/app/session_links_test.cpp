// Links in pages, and the Bible mode.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

TEST(Links, DayBibleAndAuthorLinks)
{
    const Session& session = run_session_file(u"links.script"_qs);
    const Dump day = session.dump(u"day.json"_qs);
    EXPECT_EQ(day.text("actdate"), u"2024-01-03"_qs);
    EXPECT_TRUE(day.page("WB0").contains(u"Mittwoch, 3. Januar 2024"_qs));

    // The passage opens highlighted in the Bible mode.
    const Dump bible = session.dump(u"bible.json"_qs);
    EXPECT_EQ(bible.text("actbcv"), u"19_23_1/19_24_1"_qs);
    EXPECT_EQ(bible.text("hilitebcv"), u"19_23_1/19_24_1"_qs);
    EXPECT_EQ(bible.list("books", "text").toString(), u"Psalm"_qs);
    EXPECT_EQ(bible.list("chaps", "text").toString(), u"23"_qs);
    EXPECT_TRUE(bible.shows("WB1") && bible.shows("headline1"));
    EXPECT_FALSE(bible.shows("WB0") || bible.shows("headline0"));
    EXPECT_TRUE(bible.json[u"wb0visible"_qs].toBool());
    EXPECT_TRUE(bible.page("WB1").contains(u"Psalm 23"_qs));
    EXPECT_EQ(bible.page("WB1").count(u"<b>"_qs), 1);  // verse 1; 24,1 lies in another chapter
    EXPECT_EQ(bible.text("top_anchor", "WB1"), u"v1"_qs);

    // The linked verse is scrolled to the top.
    const Dump scrolled = session.dump(u"scrolled.json"_qs);
    EXPECT_EQ(scrolled.list("chaps", "text").toString(), u"119"_qs);
    EXPECT_EQ(scrolled.text("top_anchor", "WB1"), u"v50"_qs);
    EXPECT_EQ(scrolled.page("WB1").count(u"<b>"_qs), 1);

    const Dump author = session.dump(u"author.json"_qs);
    EXPECT_EQ(author.last_query(), u"select * from vw1qov where aid=12 order by datum"_qs);
    EXPECT_TRUE(author.page("WB0").contains(u"Lydia Thyatira"_qs));
}

TEST(Links, CommandWordsCountOnlyInCapitals)
{
    const Session& session = run_session_file(u"links.script"_qs);
    const Dump before = session.dump(u"author.json"_qs);
    const Dump after = session.dump(u"lower_case.json"_qs);
    EXPECT_TRUE(after.queries_since(before).isEmpty());
    for (const char* key : {"actdate", "actbcv", "html"})
        EXPECT_EQ(after.json[QLatin1String(key)], before.json[QLatin1String(key)]) << key;
}

TEST(BibleMode, ButtonsStepThroughChaptersAndBooksWithinTheBible)
{
    const Session& session = run_session_file(u"bible.script"_qs);
    const Dump enter = session.dump(u"enter.json"_qs);
    EXPECT_EQ(enter.text("actbcv"), u"1_1_0"_qs);
    EXPECT_TRUE(enter.shows("WB1") && enter.shows("headline1"));
    EXPECT_FALSE(enter.shows("WB0") || enter.shows("headline0"));
    EXPECT_TRUE(enter.page("WB1").contains(u"1. Mose 1"_qs));

    const std::pair<const char*, const char*> positions[] = {
        {"next_chapter.json", "1_2_0"}, {"next_book.json", "2_1_0"},   {"first_book.json", "1_1_0"},
        {"first_chapter.json", "1_1_0"}, {"psalm_119.json", "19_119_0"},
        {"last_chapter.json", "65_1_0"},  // Judas has one chapter
        {"last_book.json", "66_1_0"}};
    for (const auto& [dump, position] : positions)
        EXPECT_EQ(session.dump(QString::fromUtf8(dump)).text("actbcv"), QString::fromUtf8(position)) << dump;
    EXPECT_EQ(session.dump(u"next_book.json"_qs).list("chaps", "count").toInt(), 40);
    // At the first book and chapter the buttons do nothing: no page is built.
    EXPECT_EQ(session.dump(u"first_chapter.json"_qs).page("WB1"), session.dump(u"first_book.json"_qs).page("WB1"));

    const Dump psalm = session.dump(u"psalm_119.json"_qs);
    EXPECT_EQ(psalm.list("chaps", "index").toInt(), 118);
    EXPECT_EQ(psalm.page("WB1").count(u"name=\"v"_qs), 176);
    EXPECT_EQ(psalm.text("top_anchor", "WB1"), u"v1"_qs);

    // Leaving shows the day again; the Bible keeps its position for the next visit.
    const Dump leave = session.dump(u"leave.json"_qs);
    EXPECT_TRUE(leave.shows("WB0") && leave.shows("headline0"));
    EXPECT_FALSE(leave.shows("WB1") || leave.shows("headline1"));
    EXPECT_TRUE(leave.page("WB0").contains(u"Dienstag, 5. März 2024"_qs));
    EXPECT_EQ(leave.text("actbcv"), u"66_1_0"_qs);
}

TEST(BibleMode, HighlightedVersesStayBold)
{
    const Session& session = run_session_file(u"bible_highlight.script"_qs);
    const Dump linked = session.dump(u"linked.json"_qs);
    const Dump other = session.dump(u"other_chapter.json"_qs);
    const Dump back = session.dump(u"back.json"_qs);
    EXPECT_EQ(linked.page("WB1").count(u"<b>"_qs), 1);
    EXPECT_EQ(other.text("actbcv"), u"1_2_0"_qs);
    EXPECT_EQ(other.page("WB1").count(u"<b>"_qs), 0);
    EXPECT_EQ(back.text("actbcv"), u"1_1_0"_qs);
    EXPECT_EQ(back.text("hilitebcv"), u"1_1_3"_qs);
    EXPECT_EQ(back.page("WB1"), linked.page("WB1"));

    // Entered from the search panel, the Bible mode remembers the hidden day view;
    // leaving it shows the day page anyway.
    const Dump from_panel = session.dump(u"from_panel.json"_qs);
    EXPECT_FALSE(from_panel.json[u"wb0visible"_qs].toBool());
    EXPECT_TRUE(from_panel.shows("WB1"));
    const Dump left = session.dump(u"left.json"_qs);
    EXPECT_TRUE(left.shows("WB0") && left.shows("headline0") && !left.shows("WB1"));
}

} // namespace
