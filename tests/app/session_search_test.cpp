// The search panel and its searches: the exact queries, their caps, the
// highlighted words and the date search's messages.

#include "session_runner.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

namespace {

// The different day links of a result list, one per devotional listed.
QSet<QString> day_links(const QString& list_page)
{
    QSet<QString> links;
    const QRegularExpression link(QStringLiteral("GOTO[0-9.]+\\|"));
    for (auto it = link.globalMatch(list_page); it.hasNext();)
        links.insert(it.next().captured());
    return links;
}

const QStringList book_only_controls = {"SBst", "SBer", "sDatum", "sAutor", "inpbibel", "inpbereich",
                                        "inpautor", "inpdatum", "but7", "but8", "but9", "but19"};

class BookSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new Session(run_session(QStringLiteral("search_book.script"))); }
    static void TearDownTestSuite() { delete session; }
    static QJsonObject dump(const char* name) { return session->dump(QString::fromUtf8(name)); }
    static Session* session;
};
Session* BookSearch::session = nullptr;

TEST_F(BookSearch, PanelUncoveredForTheBook)
{
    ASSERT_EQ(session->exit_code, 0) << session->errors.toStdString();
    const QJsonObject panel = dump("panel.json");
    EXPECT_FALSE(visible(panel, QStringLiteral("WB0")) || visible(panel, QStringLiteral("WB1")));
    EXPECT_TRUE(visible(panel, QStringLiteral("sframe")));
    EXPECT_EQ(panel[QStringLiteral("suchmode")].toInt(), 1);
    EXPECT_EQ(panel[QStringLiteral("captions")][QStringLiteral("SL")].toString(), QStringLiteral("Suche in \"Selunar\""));
    for (const QString& control : book_only_controls)
        EXPECT_TRUE(visible(panel, control)) << control.toStdString();
    EXPECT_FALSE(visible(panel, QStringLiteral("but106")));
}

TEST_F(BookSearch, ListsOfferTheirEntriesWithNothingChosen)
{
    const QJsonObject panel = dump("panel.json");
    const QJsonObject bibel = list(panel, QStringLiteral("inpbibel"));
    EXPECT_EQ(bibel[QStringLiteral("count")].toInt(), 66);
    EXPECT_EQ(bibel[QStringLiteral("index")].toInt(), -1);
    EXPECT_EQ(bibel[QStringLiteral("text")].toString(), QString());
    EXPECT_EQ(strings(bibel[QStringLiteral("items")]).value(44), QStringLiteral("Römer"));
    EXPECT_EQ(strings(list(panel, QStringLiteral("books"))[QStringLiteral("items")]), strings(bibel[QStringLiteral("items")]));

    const QJsonObject autor = list(panel, QStringLiteral("inpautor"));
    EXPECT_EQ(autor[QStringLiteral("index")].toInt(), -1);
    EXPECT_TRUE(autor[QStringLiteral("data")].isNull());
    EXPECT_EQ(strings(autor[QStringLiteral("items")]).value(0), QStringLiteral("Ester Abihajil"));
    // An author without a first name is listed by the last name alone.
    EXPECT_TRUE(strings(autor[QStringLiteral("items")]).contains(QStringLiteral("Zachäus")));
    EXPECT_EQ(strings(list(panel, QStringLiteral("inpbereich"))[QStringLiteral("items")]).value(0),
              QStringLiteral("Dankbarkeit"));
}

TEST_F(BookSearch, FullTextSearchesTopicOrText)
{
    const QJsonObject before = dump("panel.json");
    const QJsonObject found = dump("full_text.json");
    EXPECT_EQ(queries_since(before, found),
              QStringList{QStringLiteral("select top 100 * from vw1qov where (thema like '*Gott*') or "
                                         "(text like '*Gott*') order by book1,chapter1,verse1")});
    EXPECT_EQ(found[QStringLiteral("suchworte")].toString(), QStringLiteral("GOTT;"));
    EXPECT_TRUE(visible(found, QStringLiteral("WB0")));
    const QString list_page = page(found, QStringLiteral("WB0"));
    // The query returns at most 100 rows, so the notice never follows.
    EXPECT_EQ(day_links(list_page).size(), 100);
    EXPECT_FALSE(list_page.contains(QStringLiteral("Es wurden mehr als")));
    EXPECT_TRUE(list_page.contains(QStringLiteral("<b>Gott</b>")));
}

TEST_F(BookSearch, PunctuationNeverReachesTheQuery)
{
    const QJsonObject found = dump("punctuation.json");
    EXPECT_EQ(queries_since(dump("full_text.json"), found),
              QStringList{QStringLiteral("select top 100 * from vw1qov where (thema like '*Gott*') AND(thema like "
                                         "'*Vater*') or (text like '*Gott*') AND(text like '*Vater*') order by "
                                         "book1,chapter1,verse1")});
    EXPECT_EQ(found[QStringLiteral("suchworte")].toString(), QStringLiteral("GOTT;VATER;"));
}

TEST_F(BookSearch, InputWithoutAWordSearchesNothing)
{
    const QJsonObject before = dump("punctuation.json");
    const QJsonObject after = dump("no_word.json");
    EXPECT_EQ(after[QStringLiteral("fields")][QStringLiteral("inpvolltext")].toString(), QStringLiteral(" ,;!"));
    EXPECT_TRUE(queries_since(before, after).isEmpty());
    EXPECT_TRUE(strings(after[QStringLiteral("messages")]).isEmpty());
    EXPECT_EQ(page(after, QStringLiteral("WB0")), page(before, QStringLiteral("WB0")));
    EXPECT_EQ(after[QStringLiteral("suchworte")].toString(), QStringLiteral("GOTT;VATER;"));
    EXPECT_EQ(after[QStringLiteral("pointer")].toString(), QStringLiteral("default"));
}

TEST_F(BookSearch, ListSearchesRunTheirQueriesAndKeepTheWords)
{
    const QJsonObject bible_reference = dump("bible_reference.json");
    EXPECT_EQ(queries_since(dump("no_word.json"), bible_reference),
              QStringList{QStringLiteral("select * from vw1qov where bibelstelle like '*Römer*' order by "
                                         "book1,chapter1,verse1")});
    EXPECT_EQ(list(bible_reference, QStringLiteral("inpbibel"))[QStringLiteral("text")].toString(), QStringLiteral("Römer"));

    const QJsonObject topic_area = dump("topic_area.json");
    EXPECT_EQ(queries_since(bible_reference, topic_area),
              QStringList{QStringLiteral("select * from vw1qov where bereich=7 order by datum")});

    const QJsonObject author = dump("author.json");
    EXPECT_EQ(queries_since(topic_area, author),
              QStringList{QStringLiteral("select * from vw1qov where aid=9 order by datum")});
    EXPECT_EQ(list(author, QStringLiteral("inpautor"))[QStringLiteral("data")].toInt(), 9);
    EXPECT_EQ(author[QStringLiteral("suchworte")].toString(), QStringLiteral("GOTT;VATER;"));
    EXPECT_TRUE(visible(author, QStringLiteral("WB0")));
    const QString author_list = page(author, QStringLiteral("WB0"));
    EXPECT_TRUE(author_list.contains(QStringLiteral("Ester Abihajil")));
    EXPECT_EQ(day_links(author_list).size(), 19);
    EXPECT_FALSE(author_list.contains(QStringLiteral("Es wurden mehr als")));
}

TEST_F(BookSearch, OpeningThePanelAgainKeepsWhatWasEntered)
{
    const QJsonObject again = dump("panel_again.json");
    EXPECT_EQ(again[QStringLiteral("fields")][QStringLiteral("inpvolltext")].toString(), QStringLiteral(" ,;!"));
    EXPECT_EQ(list(again, QStringLiteral("inpbibel"))[QStringLiteral("index")].toInt(), 44);
    EXPECT_EQ(list(again, QStringLiteral("inpbereich"))[QStringLiteral("index")].toInt(), 0);
    EXPECT_EQ(list(again, QStringLiteral("inpautor"))[QStringLiteral("index")].toInt(), 0);
}

TEST(DateSearch, EnterGoesToTheTypedDateAndReportsBadOnes)
{
    const Session session = run_session(QStringLiteral("search_date.script"), {QStringLiteral("2024-06-10")});
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject typing = session.dump(QStringLiteral("typing.json"));
    EXPECT_EQ(typing[QStringLiteral("fields")][QStringLiteral("inpdatum")].toString(), QStringLiteral("5.3.2024"));
    EXPECT_EQ(typing[QStringLiteral("actdate")].toString(), QStringLiteral("2024-06-10"));
    EXPECT_FALSE(visible(typing, QStringLiteral("WB0")));

    const QJsonObject typed = session.dump(QStringLiteral("typed.json"));
    EXPECT_EQ(typed[QStringLiteral("actdate")].toString(), QStringLiteral("2024-03-05"));
    EXPECT_TRUE(visible(typed, QStringLiteral("WB0")));
    EXPECT_TRUE(page(typed, QStringLiteral("WB0")).contains(QStringLiteral("Dienstag, 5. März 2024")));

    EXPECT_EQ(session.dump(QStringLiteral("last_day.json"))[QStringLiteral("actdate")].toString(),
              QStringLiteral("2024-12-31"));

    // Unreadable and outside dates are reported.
    const QJsonObject not_a_date = session.dump(QStringLiteral("not_a_date.json"));
    EXPECT_EQ(strings(not_a_date[QStringLiteral("messages")]),
              QStringList{QStringLiteral("Bitte geben Sie das Datum im Format 10.06.2024 ein")});
    EXPECT_EQ(not_a_date[QStringLiteral("actdate")].toString(), QStringLiteral("2024-12-31"));
    EXPECT_FALSE(visible(not_a_date, QStringLiteral("WB0")));

    const QJsonObject outside = session.dump(QStringLiteral("outside.json"));
    EXPECT_EQ(strings(outside[QStringLiteral("messages")]).value(1),
              QStringLiteral("Für den 01. Januar 2030 ist keine Losung vorhanden"));
    EXPECT_EQ(outside[QStringLiteral("actdate")].toString(), QStringLiteral("2024-12-31"));
    // No page is loaded: the panel stays in view.
    EXPECT_FALSE(visible(outside, QStringLiteral("WB0")));
    EXPECT_FALSE(visible(outside, QStringLiteral("WB1")));
}

TEST(BibleSearch, FullTextInTheBibleThenBackToTheBook)
{
    const Session session = run_session(QStringLiteral("search_bible.script"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject panel = session.dump(QStringLiteral("panel.json"));
    EXPECT_EQ(panel[QStringLiteral("suchmode")].toInt(), 2);
    EXPECT_EQ(panel[QStringLiteral("captions")][QStringLiteral("SL")].toString(), QStringLiteral("Suche in der Bibel"));
    for (const QString& control : book_only_controls)
        EXPECT_FALSE(visible(panel, control)) << control.toStdString();
    for (const char* twin : {"but107", "but108", "but109", "but119"})
        EXPECT_FALSE(visible(panel, QString::fromUtf8(twin))) << twin;
    EXPECT_TRUE(visible(panel, QStringLiteral("inpvolltext")));

    const QJsonObject found = session.dump(QStringLiteral("full_text.json"));
    EXPECT_EQ(queries_since(panel, found),
              QStringList{QStringLiteral("select top 100 * from texte where (Bible_text like '*God*') order by "
                                         "book,chapter,verse")});
    EXPECT_TRUE(visible(found, QStringLiteral("WB1")) && !visible(found, QStringLiteral("WB0")));
    EXPECT_EQ(found[QStringLiteral("suchworte")].toString(), QString());
    const QString list_page = page(found, QStringLiteral("WB1"));
    EXPECT_EQ(list_page.count(QStringLiteral("BIBLE|")), 101);  // 100 verses and the closing row's link
    EXPECT_TRUE(list_page.contains(QStringLiteral("Es wurden mehr als 100 Einträge gefunden.")));
    EXPECT_TRUE(list_page.contains(QStringLiteral("BIBLE|1_1_1|")));

    // A found verse opens in the Bible and the book panel comes back.
    const QJsonObject followed = session.dump(QStringLiteral("followed.json"));
    EXPECT_EQ(followed[QStringLiteral("actbcv")].toString(), QStringLiteral("1_1_1"));
    EXPECT_TRUE(page(followed, QStringLiteral("WB1")).contains(QStringLiteral("1. Mose 1")));
    EXPECT_TRUE(visible(followed, QStringLiteral("headline1")));

    const QJsonObject book_panel = session.dump(QStringLiteral("book_panel.json"));
    EXPECT_EQ(book_panel[QStringLiteral("suchmode")].toInt(), 1);
    for (const QString& control : book_only_controls)
        EXPECT_TRUE(visible(book_panel, control)) << control.toStdString();
    for (const char* twin : {"but107", "but108", "but109", "but119"})
        EXPECT_FALSE(visible(book_panel, QString::fromUtf8(twin))) << twin;
}

} // namespace
