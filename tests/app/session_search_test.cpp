// The search panel and its searches: the exact queries, their caps, the
// highlighted words and the date search's messages.

#include "session_runner.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

namespace {

// The different day links of a result list, one per devotional listed.
qsizetype day_links(const QString& list_page)
{
    QSet<QString> links;
    for (auto it = QRegularExpression(u"GOTO[0-9.]+\\|"_qs).globalMatch(list_page); it.hasNext();)
        links.insert(it.next().captured());
    return links.size();
}

const QStringList book_only_controls = {"SBst", "SBer", "sDatum", "sAutor", "inpbibel", "inpbereich",
                                        "inpautor", "inpdatum", "but7", "but8", "but9", "but19"};

// The panel of the book or of the Bible: its own controls, and no go-button twin showing.
void expect_panel(const Dump& panel, bool of_the_book)
{
    EXPECT_EQ(panel.json[u"suchmode"_qs].toInt(), of_the_book ? 1 : 2);
    EXPECT_EQ(panel.text("captions", "SL"), of_the_book ? u"Suche in \"Selunar\""_qs : u"Suche in der Bibel"_qs);
    EXPECT_TRUE(panel.shows("sframe") && panel.shows("inpvolltext"));
    for (const QString& control : book_only_controls)
        EXPECT_EQ(panel.shows(control), of_the_book) << control.toStdString();
    for (const char* twin : {"but106", "but107", "but108", "but109", "but119"})
        EXPECT_FALSE(panel.shows(QString::fromUtf8(twin))) << twin;
}

TEST(BookSearch, PanelListsOfferTheirEntriesWithNothingChosen)
{
    const Dump panel = run_session_file(u"search_book.script"_qs).dump(u"panel.json"_qs);
    expect_panel(panel, true);
    EXPECT_FALSE(panel.shows("WB0") || panel.shows("WB1"));
    EXPECT_EQ(panel.list("inpbibel", "count").toInt(), 66);
    EXPECT_EQ(panel.list("inpbibel", "index").toInt(), -1);
    EXPECT_EQ(panel.list("inpbibel", "items")[44].toString(), u"Römer"_qs);
    EXPECT_EQ(panel.list("inpautor", "index").toInt(), -1);
    EXPECT_TRUE(panel.list("inpautor", "data").isNull());
    EXPECT_EQ(panel.list("inpautor", "items")[0].toString(), u"Ester Abihajil"_qs);
}

TEST(BookSearch, FullTextSearchesTopicOrTextWithoutPunctuation)
{
    const Session& session = run_session_file(u"search_book.script"_qs);
    const Dump found = session.dump(u"full_text.json"_qs);
    EXPECT_EQ(found.queries_since(session.dump(u"panel.json"_qs)),
              QStringList{u"select top 100 * from vw1qov where (thema like '*Gott*') or (text like '*Gott*') "
                          "order by book1,chapter1,verse1"_qs});
    EXPECT_EQ(found.text("suchworte"), u"GOTT;"_qs);
    EXPECT_TRUE(found.shows("WB0"));
    // The query returns at most 100 rows, so the notice never follows.
    EXPECT_EQ(day_links(found.page("WB0")), 100);
    EXPECT_FALSE(found.page("WB0").contains(u"Es wurden mehr als"_qs));
    EXPECT_TRUE(found.page("WB0").contains(u"<b>Gott</b>"_qs));

    const Dump punctuation = session.dump(u"punctuation.json"_qs);
    EXPECT_EQ(punctuation.queries_since(found),
              QStringList{u"select top 100 * from vw1qov where (thema like '*Gott*') AND(thema like '*Vater*') or "
                          "(text like '*Gott*') AND(text like '*Vater*') order by book1,chapter1,verse1"_qs});
    EXPECT_EQ(punctuation.text("suchworte"), u"GOTT;VATER;"_qs);
}

TEST(BookSearch, ListSearchesRunTheirQueriesAndKeepTheWords)
{
    const Session& session = run_session_file(u"search_book.script"_qs);
    const Dump bible_reference = session.dump(u"bible_reference.json"_qs);
    EXPECT_EQ(bible_reference.queries_since(session.dump(u"punctuation.json"_qs)),
              QStringList{u"select * from vw1qov where bibelstelle like '*Römer*' order by book1,chapter1,verse1"_qs});
    EXPECT_EQ(bible_reference.list("inpbibel", "text").toString(), u"Römer"_qs);

    const Dump topic_area = session.dump(u"topic_area.json"_qs);
    EXPECT_EQ(topic_area.queries_since(bible_reference),
              QStringList{u"select * from vw1qov where bereich=7 order by datum"_qs});

    const Dump author = session.dump(u"author.json"_qs);
    EXPECT_EQ(author.queries_since(topic_area), QStringList{u"select * from vw1qov where aid=9 order by datum"_qs});
    EXPECT_EQ(author.list("inpautor", "data").toInt(), 9);
    EXPECT_EQ(author.text("suchworte"), u"GOTT;VATER;"_qs);
    EXPECT_TRUE(author.shows("WB0"));
    EXPECT_TRUE(author.page("WB0").contains(u"Ester Abihajil"_qs));
    EXPECT_EQ(day_links(author.page("WB0")), 19);
    EXPECT_FALSE(author.page("WB0").contains(u"Es wurden mehr als"_qs));

    // Opening the panel again keeps what was entered.
    const Dump again = session.dump(u"panel_again.json"_qs);
    EXPECT_EQ(again.text("fields", "inpvolltext"), u"Gott, Vater!"_qs);
    EXPECT_EQ(again.list("inpbibel", "index").toInt(), 44);
    EXPECT_EQ(again.list("inpbereich", "index").toInt(), 0);
    EXPECT_EQ(again.list("inpautor", "index").toInt(), 0);
}

TEST(BookSearch, TheWordsMarkOnlyTheFirstDayOpenedAfterwards)
{
    const Session& session = run_session_file(u"search_book.script"_qs);
    const Dump marked = session.dump(u"marked_day.json"_qs);
    EXPECT_TRUE(marked.page("WB0").contains(u"<b>Gott</b>"_qs));
    EXPECT_EQ(marked.text("suchworte"), QString());
    EXPECT_FALSE(session.dump(u"unmarked_day.json"_qs).page("WB0").contains(u"<b>Gott</b>"_qs));
}

TEST(DateSearch, EnterGoesToTheTypedDateAndReportsBadOnes)
{
    const Session& session = run_session_file(u"search_date.script"_qs, u"2024-06-10"_qs);
    const Dump typing = session.dump(u"typing.json"_qs);
    EXPECT_EQ(typing.text("fields", "inpdatum"), u"5.3.2024"_qs);
    EXPECT_EQ(typing.text("actdate"), u"2024-06-10"_qs);
    EXPECT_FALSE(typing.shows("WB0"));

    const Dump typed = session.dump(u"typed.json"_qs);
    EXPECT_EQ(typed.text("actdate"), u"2024-03-05"_qs);
    EXPECT_TRUE(typed.shows("WB0"));
    EXPECT_TRUE(typed.page("WB0").contains(u"Dienstag, 5. März 2024"_qs));
    EXPECT_EQ(session.dump(u"last_day.json"_qs).text("actdate"), u"2024-12-31"_qs);

    // Unreadable and outside dates are reported; no page is loaded, the panel stays in view.
    const Dump not_a_date = session.dump(u"not_a_date.json"_qs);
    EXPECT_EQ(not_a_date.strings("messages"), QStringList{u"Bitte geben Sie das Datum im Format 10.06.2024 ein"_qs});
    EXPECT_EQ(not_a_date.text("actdate"), u"2024-12-31"_qs);
    EXPECT_FALSE(not_a_date.shows("WB0"));
    const Dump outside = session.dump(u"outside.json"_qs);
    EXPECT_EQ(outside.strings("messages").value(1), u"Für den 01. Januar 2030 ist keine Losung vorhanden"_qs);
    EXPECT_EQ(outside.text("actdate"), u"2024-12-31"_qs);
    EXPECT_FALSE(outside.shows("WB0") || outside.shows("WB1"));
}

TEST(BibleSearch, FullTextInTheBibleThenBackToTheBook)
{
    const Session& session = run_session_file(u"search_bible.script"_qs);
    const Dump panel = session.dump(u"panel.json"_qs);
    expect_panel(panel, false);

    const Dump found = session.dump(u"full_text.json"_qs);
    EXPECT_EQ(found.queries_since(panel),
              QStringList{u"select top 100 * from texte where (Bible_text like '*Gott*') order by book,chapter,verse"_qs});
    EXPECT_TRUE(found.shows("WB1") && !found.shows("WB0"));
    EXPECT_EQ(found.text("suchworte"), QString());
    EXPECT_EQ(found.page("WB1").count(u"BIBLE|"_qs), 101);  // 100 verses and the closing row's link
    EXPECT_TRUE(found.page("WB1").contains(u"Es wurden mehr als 100 Einträge gefunden."_qs));
    EXPECT_TRUE(found.page("WB1").contains(u"BIBLE|1_1_1|"_qs));

    // A found verse opens in the Bible and the book panel comes back.
    const Dump followed = session.dump(u"followed.json"_qs);
    EXPECT_EQ(followed.text("actbcv"), u"1_1_1"_qs);
    EXPECT_TRUE(followed.page("WB1").contains(u"1. Mose 1"_qs));
    EXPECT_TRUE(followed.shows("headline1"));
    expect_panel(session.dump(u"book_panel.json"_qs), true);

    // A word of fewer than 100 verses lists them all: "Hirte" finds Psalm 23,1.
    const QString shepherd = session.dump(u"shepherd.json"_qs).page("WB1");
    EXPECT_EQ(shepherd.count(u"BIBLE|"_qs), 79);
    EXPECT_TRUE(shepherd.contains(u"BIBLE|19_23_1|"_qs));
}

} // namespace
