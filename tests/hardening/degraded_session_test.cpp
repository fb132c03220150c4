// Data folders the program starts on but whose data breaks its contract
// further in: missing values, rows and columns, templates without their
// markers, no pictures. One session walks through every kind of page; each
// page that lacks data shows that part empty, a page that cannot be built
// leaves the current one in place with a message, and the program answers
// every command to the end.

#include "data_copy.h"
#include "scripted_session.h"

#include <gtest/gtest.h>

#include <QJsonValue>
#include <QRegularExpression>

namespace {

const QString book = QStringLiteral("qov.mdb");
const QString bible = QStringLiteral("elberfelderbibel.mdb");

// Day page, next day, a chapter, the next chapter, a search in the Bible,
// back to the book, a full-text search, an author list and today again.
const QString tour = QStringLiteral(R"(dump start.json
click 1
dump next_day.json
link 0 about:blankBIBLE|43_3_16|
dump chapter.json
click 14
dump next_chapter.json
click 16
type inpvolltext Gott
click 6
dump bible_search.json
click 15
click 3
type inpvolltext Gott
click 6
dump search.json
link 0 about:blankAUTOR|3|
dump author.json
click 2
dump today.json
)");

const QStringList tour_dumps = {QStringLiteral("start.json"),        QStringLiteral("next_day.json"),
                                QStringLiteral("chapter.json"),      QStringLiteral("next_chapter.json"),
                                QStringLiteral("bible_search.json"), QStringLiteral("search.json"),
                                QStringLiteral("author.json"),       QStringLiteral("today.json")};

// Runs the tour and checks that the program answered all of it.
SessionOutcome tour_over(const DataCopy& data)
{
    SessionOutcome outcome = run_session(data.path(), tour);
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.crashed) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.exit_code, 0) << outcome.errors.toStdString();
    for (const QString& name : tour_dumps)
        EXPECT_EQ(outcome.dumps.count(name), 1u) << name.toStdString();
    return outcome;
}

QString day_view(const SessionOutcome& outcome, const char* dump)
{
    return page_text(outcome.dump(QString::fromLatin1(dump)), QStringLiteral("WB0"));
}

QString bible_view(const SessionOutcome& outcome, const char* dump)
{
    return page_text(outcome.dump(QString::fromLatin1(dump)), QStringLiteral("WB1"));
}

QStringList all_messages(const SessionOutcome& outcome)
{
    return messages(outcome.dump(QStringLiteral("today.json")));
}

// A placeholder of a page builder ("#Thema#") left in a page.
bool has_placeholder(const QString& page)
{
    static const QRegularExpression placeholder(QStringLiteral("#[A-Z][A-Za-z]+#"));
    return page.contains(placeholder);
}

TEST(DegradedData, DayWithNullInEveryField)
{
    const DataCopy data;
    data.execute(book, QStringLiteral("update QOV set feiertag = NULL, Leitvers = NULL, Bibelstelle = NULL, "
                                      "bcv1 = NULL, Thema = NULL, Text = NULL, Frage = NULL, Tipp = NULL, "
                                      "Bibellese = NULL, bcv2 = NULL, bereich = NULL, AID = NULL "
                                      "where Datum = '2024-03-05'"));
    const SessionOutcome outcome = tour_over(data);

    const QString start = day_view(outcome, "start.json");
    EXPECT_TRUE(start.contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(start.contains(QStringLiteral("<font size=3></font>")));
    EXPECT_FALSE(start.contains(QStringLiteral("BIBLE|")));
    EXPECT_FALSE(start.contains(QStringLiteral("AUTOR|")));
    EXPECT_TRUE(start.contains(QStringLiteral("qov_pics/\"")));
    EXPECT_FALSE(has_placeholder(start));
    EXPECT_EQ(day_view(outcome, "today.json"), start);
    EXPECT_TRUE(day_view(outcome, "next_day.json").contains(QStringLiteral("AUTOR|")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, AreaAndAuthorWithoutRow)
{
    const DataCopy data;
    data.execute(book, QStringLiteral("update QOV set bereich = 999, AID = 999 where Datum = '2024-03-05'"));
    const SessionOutcome outcome = tour_over(data);

    const QString start = day_view(outcome, "start.json");
    EXPECT_TRUE(start.contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(start.contains(QStringLiteral("qov_pics/\"")));
    EXPECT_FALSE(start.contains(QStringLiteral("AUTOR|")));
    EXPECT_TRUE(start.contains(QStringLiteral("BIBLE|")));
    EXPECT_FALSE(has_placeholder(start));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, DayMissingInsideTheYear)
{
    const DataCopy data;
    data.execute(book, QStringLiteral("delete from QOV where Datum = '2024-03-06'"));
    const SessionOutcome outcome = tour_over(data);

    const QJsonObject next = outcome.dump(QStringLiteral("next_day.json"));
    EXPECT_EQ(next[QStringLiteral("actdate")].toString(), QStringLiteral("2024-03-06"));
    const QString page = page_text(next, QStringLiteral("WB0"));
    EXPECT_TRUE(page.contains(QStringLiteral("Mittwoch, 6. März 2024")));
    EXPECT_FALSE(page.contains(QStringLiteral("AUTOR|")));
    EXPECT_FALSE(has_placeholder(page));
    EXPECT_TRUE(is_visible(next, QStringLiteral("WB0")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, ChapterWithoutVerses)
{
    const DataCopy data;
    data.execute(bible, QStringLiteral("delete from texte where book = 43 and chapter = 3"));
    const SessionOutcome outcome = tour_over(data);

    const QJsonObject chapter = outcome.dump(QStringLiteral("chapter.json"));
    const QString page = page_text(chapter, QStringLiteral("WB1"));
    EXPECT_TRUE(page.contains(QStringLiteral("Johannes 3")));
    EXPECT_FALSE(page.contains(QStringLiteral("name=\"v")));
    EXPECT_FALSE(has_placeholder(page));
    EXPECT_TRUE(is_visible(chapter, QStringLiteral("WB1")));
    EXPECT_EQ(chapter[QStringLiteral("actbcv")].toString(), QStringLiteral("43_3_16"));
    const QString next = bible_view(outcome, "next_chapter.json");
    EXPECT_TRUE(next.contains(QStringLiteral("Johannes 4")));
    EXPECT_TRUE(next.contains(QStringLiteral("name=\"v1\"")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, BookNumberWithoutRow)
{
    // The book table ends before John: his chapters cannot be shown, so the
    // link to one is ignored and the day page stays.
    const DataCopy data;
    data.execute(book, QStringLiteral("delete from Bibel where Lfdnr > 40"));
    const SessionOutcome outcome = tour_over(data);

    const QJsonObject chapter = outcome.dump(QStringLiteral("chapter.json"));
    EXPECT_EQ(page_text(chapter, QStringLiteral("WB0")), day_view(outcome, "next_day.json"));
    EXPECT_TRUE(is_visible(chapter, QStringLiteral("WB0")));
    EXPECT_FALSE(is_visible(chapter, QStringLiteral("WB1")));
    EXPECT_EQ(chapter[QStringLiteral("actbcv")].toString(), QStringLiteral("1_1_0"));
}

TEST(DegradedData, PicturesMissing)
{
    const DataCopy data;
    data.remove(QStringLiteral("qov_pics"));
    const SessionOutcome outcome = tour_over(data);

    EXPECT_TRUE(day_view(outcome, "start.json").contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(bible_view(outcome, "chapter.json").contains(QStringLiteral("name=\"v16\"")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, DayTemplateWithoutItsBlockMarkers)
{
    const DataCopy data;
    const QString day_template = QStringLiteral("qovfiles/qovtemp.htm");
    data.replace_text(day_template, QStringLiteral("#BibelStart#"), QString());
    data.replace_text(day_template, QStringLiteral("#BibelEnd#"), QString());
    const SessionOutcome outcome = tour_over(data);

    const QString start = day_view(outcome, "start.json");
    EXPECT_TRUE(start.contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_FALSE(start.contains(QStringLiteral("#Bibelstelle#")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, ChapterTemplateWithoutItsVerseMarkers)
{
    const DataCopy data;
    const QString chapter_template = QStringLiteral("qovfiles/bibel.htm");
    data.replace_text(chapter_template, QStringLiteral("#VersStart#"), QString());
    data.replace_text(chapter_template, QStringLiteral("#VersEnd#"), QString());
    const SessionOutcome outcome = tour_over(data);

    const QJsonObject chapter = outcome.dump(QStringLiteral("chapter.json"));
    EXPECT_TRUE(page_text(chapter, QStringLiteral("WB1")).contains(QStringLiteral("Johannes 3")));
    EXPECT_TRUE(is_visible(chapter, QStringLiteral("WB1")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, ListTemplatesWithoutTheirMarkers)
{
    const DataCopy data;
    data.replace_text(QStringLiteral("qovfiles/qovliste.htm"), QStringLiteral("<!--X-->"), QString());
    data.replace_text(QStringLiteral("qovfiles/bibelliste.htm"), QStringLiteral("<!--X-->"), QString());
    const SessionOutcome outcome = tour_over(data);

    const QJsonObject search = outcome.dump(QStringLiteral("search.json"));
    EXPECT_TRUE(is_visible(search, QStringLiteral("WB0")));
    EXPECT_TRUE(is_visible(outcome.dump(QStringLiteral("bible_search.json")), QStringLiteral("WB1")));
    EXPECT_TRUE(all_messages(outcome).isEmpty()) << all_messages(outcome).join(u'\n').toStdString();
}

TEST(DegradedData, BookWithoutSomeDayColumns)
{
    // An older book database without topic and tip: the day pages show
    // without them; the full-text search, which needs the topic, is refused
    // with a message and the page stays.
    const DataCopy data;
    data.execute(book, QStringLiteral("drop view vw1qov; alter table QOV drop column Thema; "
                                      "alter table QOV drop column Tipp"));
    const SessionOutcome outcome = tour_over(data);

    const QString start = day_view(outcome, "start.json");
    EXPECT_TRUE(start.contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(start.contains(QStringLiteral("AUTOR|")));
    EXPECT_FALSE(has_placeholder(start));
    EXPECT_TRUE(messages(outcome.dump(QStringLiteral("start.json"))).isEmpty());

    const QJsonObject search = outcome.dump(QStringLiteral("search.json"));
    const QStringList told = messages(search);
    ASSERT_EQ(told.size(), 1) << told.join(u'\n').toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("thema"), Qt::CaseInsensitive)) << told[0].toStdString();
    EXPECT_EQ(page_text(search, QStringLiteral("WB0")), day_view(outcome, "next_day.json"));
}

TEST(DegradedData, BibleWithoutVerseTexts)
{
    const DataCopy data;
    data.execute(bible, QStringLiteral("alter table texte drop column Bible_Text"));
    const SessionOutcome outcome = tour_over(data);

    const QString chapter = bible_view(outcome, "chapter.json");
    EXPECT_TRUE(chapter.contains(QStringLiteral("Johannes 3")));
    EXPECT_TRUE(chapter.contains(QStringLiteral("name=\"v16\"")));
    EXPECT_FALSE(has_placeholder(chapter));
    EXPECT_TRUE(messages(outcome.dump(QStringLiteral("next_chapter.json"))).isEmpty());

    const QJsonObject search = outcome.dump(QStringLiteral("bible_search.json"));
    const QStringList told = messages(search);
    ASSERT_EQ(told.size(), 1) << told.join(u'\n').toStdString();
    EXPECT_EQ(page_text(search, QStringLiteral("WB1")), bible_view(outcome, "next_chapter.json"));
    // The words wait for a list that can be shown.
    EXPECT_EQ(search[QStringLiteral("suchworte")].toString(), QStringLiteral("GOTT;"));
}

} // namespace
