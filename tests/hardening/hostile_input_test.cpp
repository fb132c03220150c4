// Input the program's own pages and lists never produce: links with
// unreadable dates, keys and numbers, search texts made of SQL and
// wildcards, impossible dates, button numbers of no button, and a book name
// that breaks the query it goes into. The program ignores or reports each
// one, keeps its page and position, and answers to the end.

#include "data_copy.h"
#include "scripted_session.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace {

SessionOutcome run_on_demo(const QString& script)
{
    SessionOutcome outcome = run_session(QStringLiteral(SELUNAR_DATA_DIR), script);
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.crashed) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.exit_code, 0) << outcome.errors.toStdString();
    return outcome;
}

QStringList queries(const QJsonObject& dump)
{
    QStringList texts;
    for (const QJsonValue& query : dump[QStringLiteral("queries")].toArray())
        texts.append(query.toString());
    return texts;
}

TEST(HostileInput, LinksThatCannotBeFollowedAreIgnored)
{
    const QString long_link = QStringLiteral("about:blankBIBLE|") + QString(100000, u'9') + u'|';
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(dump start.json
link 0 about:blankGOTO99.99.9999|
link 0 about:blankGOTO31.02.2024|
link 0 about:blankGOTO05.03.2024
link 0 about:blankGOTO|
link 0 about:blankBIBLE|999_1_1|
link 0 about:blankBIBLE|1_999_1|
link 0 about:blankBIBLE|0_1_1|
link 0 about:blankBIBLE||
link 0 about:blankBIBLE|_/_/-,|
link 0 about:blankBIBLE|1_1_1/x|
link 0 about:blankBIBLE
link 0 about:blankAUTOR|1e400|
link 0 about:blankAUTOR|-1e30|
link 1 %1
link 1 about:blank|||GOTO|||BIBLE|||
dump after.json
)").arg(long_link));

    const QJsonObject start = outcome.dump(QStringLiteral("start.json"));
    const QJsonObject after = outcome.dump(QStringLiteral("after.json"));
    for (const char* view : {"WB0", "WB1"})
        EXPECT_EQ(page_text(after, QString::fromLatin1(view)), page_text(start, QString::fromLatin1(view))) << view;
    for (const char* member : {"actdate", "actbcv", "hilitebcv"})
        EXPECT_EQ(after[QString::fromLatin1(member)], start[QString::fromLatin1(member)]) << member;
    EXPECT_TRUE(is_visible(after, QStringLiteral("WB0")));
    EXPECT_EQ(queries(after), queries(start));
    EXPECT_TRUE(messages(after).isEmpty()) << messages(after).join(u'\n').toStdString();
}

TEST(HostileInput, AuthorNumbersOfNoAuthorListNothing)
{
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(link 0 about:blankAUTOR|-5|
dump negative.json
link 0 about:blankAUTOR|abc|
dump no_number.json
)"));
    const QJsonObject negative = outcome.dump(QStringLiteral("negative.json"));
    EXPECT_EQ(queries(negative).last(), QStringLiteral("select * from vw1qov where aid=-5 order by datum"));
    EXPECT_FALSE(page_text(negative, QStringLiteral("WB0")).contains(QStringLiteral("GOTO")));
    const QJsonObject no_number = outcome.dump(QStringLiteral("no_number.json"));
    EXPECT_EQ(queries(no_number).last(), QStringLiteral("select * from vw1qov where aid=0 order by datum"));
    EXPECT_TRUE(messages(no_number).isEmpty()) << messages(no_number).join(u'\n').toStdString();
}

TEST(HostileInput, SearchTextsReachTheDatabaseOnlyAsWords)
{
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(click 3
type inpvolltext x' OR '1'='1'; drop table QOV; --
click 6
dump sql.json
type inpvolltext *?#[]!'"%_
click 6
type inpvolltext  ,;:!
key inpvolltext 13
dump no_words.json
click 2
dump today.json
)"));
    const QJsonObject sql = outcome.dump(QStringLiteral("sql.json"));
    EXPECT_EQ(queries(sql).last(),
              QStringLiteral("select top 101 * from vw1qov where (thema like '*x*') AND(thema like '*OR*') "
                             "AND(thema like '*1*') AND(thema like '*1*') AND(thema like '*drop*') "
                             "AND(thema like '*table*') AND(thema like '*QOV*') or (text like '*x*') "
                             "AND(text like '*OR*') AND(text like '*1*') AND(text like '*1*') "
                             "AND(text like '*drop*') AND(text like '*table*') AND(text like '*QOV*') "
                             "order by book1,chapter1,verse1"));
    // Texts without a word are taken like an empty field.
    const QJsonObject no_words = outcome.dump(QStringLiteral("no_words.json"));
    EXPECT_EQ(queries(no_words), queries(sql));
    EXPECT_EQ(page_text(no_words, QStringLiteral("WB0")), page_text(sql, QStringLiteral("WB0")));
    EXPECT_TRUE(page_text(outcome.dump(QStringLiteral("today.json")), QStringLiteral("WB0"))
                    .contains(QStringLiteral("Dienstag, 5. März 2024")));
    EXPECT_TRUE(messages(no_words).isEmpty()) << messages(no_words).join(u'\n').toStdString();
}

TEST(HostileInput, SearchTextOfMoreWordsThanTheDatabaseTakes)
{
    // Each word adds a term to the condition; the database refuses a
    // condition nested deeper than a thousand terms.
    QStringList words;
    for (int i = 0; i < 1200; ++i)
        words.append(QStringLiteral("Größe%1").arg(i));
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(dump start.json
click 3
type inpvolltext %1
click 6
dump refused.json
click 2
dump today.json
)").arg(words.join(u' ')));
    const QJsonObject refused = outcome.dump(QStringLiteral("refused.json"));
    const QStringList told = messages(refused);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Die Seite kann nicht gezeigt werden:\nselect top 101 * from vw1qov")));
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("Expression tree is too large (maximum depth 1000)"))) << told[0].right(200).toStdString();
    EXPECT_LT(told[0].size(), 1000);
    // The whole statement is not lost: it goes to the error output.
    EXPECT_TRUE(outcome.errors.contains(QStringLiteral("Größe1199")));
    EXPECT_EQ(page_text(refused, QStringLiteral("WB0")), page_text(outcome.dump(QStringLiteral("start.json")),
                                                                   QStringLiteral("WB0")));
    EXPECT_TRUE(page_text(outcome.dump(QStringLiteral("today.json")), QStringLiteral("WB0"))
                    .contains(QStringLiteral("Dienstag, 5. März 2024")));
}

TEST(HostileInput, ImpossibleDatesAreReported)
{
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(click 3
type inpdatum 99.99.99
key inpdatum 13
type inpdatum 29.02.2023
click 9
type inpdatum 1.1.2030
click 9
dump dates.json
)"));
    const QJsonObject dates = outcome.dump(QStringLiteral("dates.json"));
    const QStringList told = messages(dates);
    ASSERT_EQ(told.size(), 3) << told.join(u'\n').toStdString();
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Bitte geben Sie das Datum im Format")));
    EXPECT_TRUE(told[1].startsWith(QStringLiteral("Bitte geben Sie das Datum im Format")));
    EXPECT_EQ(dates[QStringLiteral("actdate")], dates[QStringLiteral("lastdate")]);
}

TEST(HostileInput, ButtonNumbersOfNoButtonDoNothing)
{
    const SessionOutcome outcome = run_on_demo(QStringLiteral(R"(dump start.json
click -1
click -101
click 20
click 99
click 120
click 2147483647
click -2147483648
dump after.json
)"));
    const QJsonObject start = outcome.dump(QStringLiteral("start.json"));
    const QJsonObject after = outcome.dump(QStringLiteral("after.json"));
    EXPECT_EQ(page_text(after, QStringLiteral("WB0")), page_text(start, QStringLiteral("WB0")));
    EXPECT_EQ(after[QStringLiteral("visible")], start[QStringLiteral("visible")]);
    EXPECT_EQ(after[QStringLiteral("pointer")].toString(), QStringLiteral("default"));
}

TEST(HostileInput, BookNameThatBreaksItsQuery)
{
    // Choosing a book runs the Bible-reference search, which puts the name
    // into its query as it is; a quote in it makes the database refuse it.
    const DataCopy data;
    data.execute(QStringLiteral("qov.mdb"), QStringLiteral("update Bibel set buch = 'Jo''hannes' where Lfdnr = 43"));
    const SessionOutcome outcome = run_session(data.path(), QStringLiteral(R"(dump start.json
click 3
choose inpbibel 42
dump refused.json
click 2
dump today.json
)"));
    EXPECT_EQ(outcome.exit_code, 0) << outcome.errors.toStdString();
    const QJsonObject refused = outcome.dump(QStringLiteral("refused.json"));
    ASSERT_EQ(messages(refused).size(), 1) << messages(refused).join(u'\n').toStdString();
    EXPECT_TRUE(messages(refused)[0].contains(QStringLiteral("Jo'hannes")));
    EXPECT_EQ(page_text(refused, QStringLiteral("WB0")), page_text(outcome.dump(QStringLiteral("start.json")),
                                                                   QStringLiteral("WB0")));
    EXPECT_TRUE(is_visible(outcome.dump(QStringLiteral("today.json")), QStringLiteral("WB0")));
}

} // namespace
