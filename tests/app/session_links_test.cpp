// Links in pages: the three commands and addresses that carry none.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

class Links : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new Session(run_session(QStringLiteral("links.script"))); }
    static void TearDownTestSuite() { delete session; }
    static QJsonObject dump(const char* name) { return session->dump(QString::fromUtf8(name)); }
    static Session* session;
};
Session* Links::session = nullptr;

TEST_F(Links, DayLinkShowsThatDay)
{
    ASSERT_EQ(session->exit_code, 0) << session->errors.toStdString();
    const QJsonObject day = dump("day.json");
    EXPECT_EQ(day[QStringLiteral("actdate")].toString(), QStringLiteral("2024-01-03"));
    EXPECT_TRUE(page(day, QStringLiteral("WB0")).contains(QStringLiteral("Mittwoch, 3. Januar 2024")));
    EXPECT_TRUE(visible(day, QStringLiteral("WB0")));
}

TEST_F(Links, BibleLinkOpensThePassageHighlightedInTheBibleMode)
{
    const QJsonObject bible = dump("bible.json");
    EXPECT_EQ(bible[QStringLiteral("actbcv")].toString(), QStringLiteral("19_23_1/19_24_1"));
    EXPECT_EQ(bible[QStringLiteral("hilitebcv")].toString(), QStringLiteral("19_23_1/19_24_1"));
    EXPECT_EQ(list(bible, QStringLiteral("books"))[QStringLiteral("text")].toString(), QStringLiteral("Psalm"));
    EXPECT_EQ(list(bible, QStringLiteral("chaps"))[QStringLiteral("text")].toString(), QStringLiteral("23"));
    EXPECT_TRUE(visible(bible, QStringLiteral("WB1")) && visible(bible, QStringLiteral("headline1")));
    EXPECT_FALSE(visible(bible, QStringLiteral("WB0")) || visible(bible, QStringLiteral("headline0")));
    EXPECT_TRUE(bible[QStringLiteral("wb0visible")].toBool());
    EXPECT_FALSE(bible[QStringLiteral("navbusy")].toBool());

    const QString chapter = page(bible, QStringLiteral("WB1"));
    EXPECT_TRUE(chapter.contains(QStringLiteral("Psalm 23")));
    EXPECT_EQ(chapter.count(QStringLiteral("<b>")), 1);  // verse 1; 24,1 lies in another chapter
    EXPECT_EQ(bible[QStringLiteral("top_anchor")][QStringLiteral("WB1")].toString(), QStringLiteral("v1"));
}

TEST_F(Links, BibleLinkScrollsItsVerseToTheTop)
{
    const QJsonObject scrolled = dump("scrolled.json");
    EXPECT_EQ(list(scrolled, QStringLiteral("chaps"))[QStringLiteral("text")].toString(), QStringLiteral("119"));
    EXPECT_EQ(scrolled[QStringLiteral("top_anchor")][QStringLiteral("WB1")].toString(), QStringLiteral("v50"));
    EXPECT_EQ(page(scrolled, QStringLiteral("WB1")).count(QStringLiteral("<b>")), 1);
}

TEST_F(Links, AuthorLinkListsTheAuthorsDevotionals)
{
    const QJsonObject author = dump("author.json");
    EXPECT_EQ(strings(author[QStringLiteral("queries")]).constLast(),
              QStringLiteral("select * from vw1qov where aid=12 order by datum"));
    EXPECT_TRUE(page(author, QStringLiteral("WB0")).contains(QStringLiteral("Lydia Thyatira")));
    EXPECT_EQ(strings(dump("author_without_number.json")[QStringLiteral("queries")]).constLast(),
              QStringLiteral("select * from vw1qov where aid=0 order by datum"));
}

TEST_F(Links, CommandWordsCountOnlyInCapitals)
{
    const QJsonObject before = dump("author_without_number.json");
    const QJsonObject after = dump("lower_case.json");
    EXPECT_TRUE(queries_since(before, after).isEmpty());
    EXPECT_EQ(after[QStringLiteral("actdate")], before[QStringLiteral("actdate")]);
    EXPECT_EQ(after[QStringLiteral("actbcv")], before[QStringLiteral("actbcv")]);
    EXPECT_EQ(page(after, QStringLiteral("WB0")), page(before, QStringLiteral("WB0")));
}

TEST_F(Links, LinksThatCannotBeFollowedChangeNothing)
{
    const QJsonObject before = dump("lower_case.json");
    const QJsonObject after = dump("ignored.json");
    for (const char* key : {"actdate", "actbcv", "hilitebcv", "html", "visible", "messages"})
        EXPECT_EQ(after[QLatin1String(key)], before[QLatin1String(key)]) << key;
}

TEST(BibleMode, EnteringShowsThePositionAndButtonsStepThroughChaptersAndBooks)
{
    const Session session = run_session(QStringLiteral("bible.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const QJsonObject enter = session.dump(QStringLiteral("enter.json"));
    EXPECT_EQ(enter[QStringLiteral("actbcv")].toString(), QStringLiteral("1_1_0"));
    EXPECT_TRUE(visible(enter, QStringLiteral("WB1")) && visible(enter, QStringLiteral("headline1")));
    EXPECT_FALSE(visible(enter, QStringLiteral("WB0")) || visible(enter, QStringLiteral("headline0")));
    EXPECT_TRUE(page(enter, QStringLiteral("WB1")).contains(QStringLiteral("1. Mose 1")));

    // The buttons step through chapters and books.
    const auto position = [&](const char* name) {
        return session.dump(QString::fromUtf8(name))[QStringLiteral("actbcv")].toString();
    };
    EXPECT_EQ(position("next_chapter.json"), QStringLiteral("1_2_0"));
    EXPECT_EQ(position("next_book.json"), QStringLiteral("2_1_0"));
    EXPECT_EQ(list(session.dump(QStringLiteral("next_book.json")), QStringLiteral("chaps"))[QStringLiteral("count")].toInt(), 40);
    EXPECT_EQ(position("first_book.json"), QStringLiteral("1_1_0"));
    EXPECT_EQ(position("first_chapter.json"), QStringLiteral("1_1_0"));
    // At the first book and chapter the buttons do nothing: no page is built.
    EXPECT_EQ(page(session.dump(QStringLiteral("first_chapter.json")), QStringLiteral("WB1")),
              page(session.dump(QStringLiteral("first_book.json")), QStringLiteral("WB1")));
}

TEST(BibleMode, ChoosingBookAndChapterThenLeaving)
{
    const Session session = run_session(QStringLiteral("bible.script"));
    const QJsonObject psalm = session.dump(QStringLiteral("psalm_119.json"));
    EXPECT_EQ(psalm[QStringLiteral("actbcv")].toString(), QStringLiteral("19_119_0"));
    EXPECT_EQ(list(psalm, QStringLiteral("chaps"))[QStringLiteral("index")].toInt(), 118);
    EXPECT_EQ(page(psalm, QStringLiteral("WB1")).count(QStringLiteral("name=\"v")), 176);
    EXPECT_EQ(psalm[QStringLiteral("top_anchor")][QStringLiteral("WB1")].toString(), QStringLiteral("v1"));

    const QJsonObject last_chapter = session.dump(QStringLiteral("last_chapter.json"));
    EXPECT_EQ(last_chapter[QStringLiteral("actbcv")].toString(), QStringLiteral("65_1_0"));  // Judas has one chapter
    const QJsonObject last_book = session.dump(QStringLiteral("last_book.json"));
    EXPECT_EQ(last_book[QStringLiteral("actbcv")].toString(), QStringLiteral("66_1_0"));

    // Leaving shows the day again.
    const QJsonObject leave = session.dump(QStringLiteral("leave.json"));
    EXPECT_TRUE(visible(leave, QStringLiteral("WB0")) && visible(leave, QStringLiteral("headline0")));
    EXPECT_FALSE(visible(leave, QStringLiteral("WB1")) || visible(leave, QStringLiteral("headline1")));
    EXPECT_TRUE(page(leave, QStringLiteral("WB0")).contains(QStringLiteral("Dienstag, 5. März 2024")));
    // The Bible keeps its position for the next visit.
    EXPECT_EQ(leave[QStringLiteral("actbcv")].toString(), QStringLiteral("66_1_0"));
}

TEST(BibleMode, HighlightedVersesStayBold)
{
    const Session session = run_session(QStringLiteral("bible_highlight.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const QJsonObject linked = session.dump(QStringLiteral("linked.json"));
    const QJsonObject other = session.dump(QStringLiteral("other_chapter.json"));
    const QJsonObject back = session.dump(QStringLiteral("back.json"));
    EXPECT_EQ(linked[QStringLiteral("hilitebcv")].toString(), QStringLiteral("1_1_3"));
    EXPECT_EQ(page(linked, QStringLiteral("WB1")).count(QStringLiteral("<b>")), 1);
    EXPECT_EQ(other[QStringLiteral("actbcv")].toString(), QStringLiteral("1_2_0"));
    EXPECT_EQ(page(other, QStringLiteral("WB1")).count(QStringLiteral("<b>")), 0);
    EXPECT_EQ(back[QStringLiteral("actbcv")].toString(), QStringLiteral("1_1_0"));
    EXPECT_EQ(back[QStringLiteral("hilitebcv")].toString(), QStringLiteral("1_1_3"));
    EXPECT_EQ(page(back, QStringLiteral("WB1")), page(linked, QStringLiteral("WB1")));

    // Entered from the search panel, and left again.
    const QJsonObject from_panel = session.dump(QStringLiteral("from_panel.json"));
    EXPECT_FALSE(from_panel[QStringLiteral("wb0visible")].toBool());
    EXPECT_TRUE(visible(from_panel, QStringLiteral("WB1")));
    const QJsonObject left = session.dump(QStringLiteral("left.json"));
    EXPECT_TRUE(visible(left, QStringLiteral("WB0")) && visible(left, QStringLiteral("headline0")));
    EXPECT_FALSE(visible(left, QStringLiteral("WB1")));
}

} // namespace
