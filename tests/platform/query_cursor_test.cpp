// SPDX-License-Identifier: GPL-2.0-or-later
#include "database_test_support.h"

namespace {

class QueryCursor : public TestBook {};

} // namespace

TEST_F(QueryCursor, RowsInQueryOrderWithExactCount)
{
    auto rs = db->OpenRecordset(u"select * from texte where book=1 order by chapter desc, verse"_qs);
    EXPECT_EQ(rs->RecordCount(), 6);
    EXPECT_EQ(rs->Fields(u"Chapter"_qs).toLongLong(), 4);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(u"verse"_qs).toLongLong(), 3);
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_THROW(rs->Fields(u"verse"_qs), DatabaseError);
    rs->MoveFirst();
    EXPECT_EQ(rs->Fields(u"chapter"_qs).toLongLong(), 4);

    auto none = db->OpenRecordset(u"select * from texte where book=9"_qs);
    EXPECT_TRUE(none->Eof());
    EXPECT_EQ(none->RecordCount(), 0);
}

TEST_F(QueryCursor, ValuesOfDateColumnsAndOfExpressions)
{
    auto rs = db->OpenRecordset(u"Select * from QOV Where AID=2 order by datum"_qs);
    EXPECT_EQ(rs->Fields(u"datum"_qs), QVariant(utc(2024, 1, 3)));

    auto computed = db->OpenRecordset(u"select count(*) as n, 2.5 as r, max(Datum) as last from QOV"_qs);
    EXPECT_EQ(computed->Fields(u"N"_qs), QVariant(qint64(5)));
    EXPECT_EQ(computed->Fields(u"r"_qs), QVariant(2.5));
    // Without a declared type an expression's date stays text.
    EXPECT_EQ(computed->Fields(u"last"_qs), QVariant(u"2024-01-06"_qs));
}

TEST_F(QueryCursor, TopAndLikeInTheAccessDialect)
{
    struct Case {
        QString sql, field;
        QStringList values;
    };
    const Case cases[] = {
        {u"select top 2 * from texte order by book,chapter,verse"_qs, u"verse"_qs, {u"1"_qs, u"2"_qs}},
        {u"select * from [Texte] where [Bible_Text] = 'select top 1' "_qs, u"verse"_qs, {}},
        {u"select * from QOV where (text like '*über*') AND(text like '*äRGER*')"_qs, u"AID"_qs, {u"1"_qs}},
        {u"select * from texte where bible_text like 'Und ?ott*' order by verse"_qs, u"verse"_qs, {u"2"_qs, u"3"_qs}},
        {u"select * from QOV where Datum like '2024-01-0[!1-3]*' order by datum"_qs, u"AID"_qs, {u"2"_qs, u"3"_qs}},
        {u"select * from QOV where bcv1 like '#_#*'"_qs, u"bcv1"_qs, {u"1_2,4-3,7"_qs, u"5_6_7;8_9_10"_qs}},
        // SQL's own wildcards are plain characters here.
        {u"select * from texte where bible_text like '%Gott%'"_qs, u"verse"_qs, {}},
        // Like on Null is neither true nor false.
        {u"select count(*) as n from texte where not (bible_text like 'xyz')"_qs, u"n"_qs, {u"6"_qs}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(column(*db, c.sql, c.field), c.values) << c.sql.toStdString();
}

TEST_F(QueryCursor, RejectedStatementsCarryTheirTextAndCause)
{
    const QString sql = u"select * from QOV where nosuchfield = 1"_qs;
    try {
        db->OpenRecordset(sql);
        FAIL() << "accepted";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(sql)) << e.what();
        EXPECT_TRUE(e.message().contains(u"nosuchfield"_qs)) << e.what();
    }
    for (const QString& refused : {u"delete from QOV"_qs, u"select 1; delete from QOV"_qs, QString()})
        EXPECT_THROW(db->OpenRecordset(refused), DatabaseError) << refused.toStdString();
    EXPECT_EQ(column(*db, u"select count(*) as n from QOV;"_qs, u"n"_qs), QStringList({u"5"_qs}));

    // Queries have no index.
    auto rs = db->OpenRecordset(u"select * from texte"_qs);
    EXPECT_THROW(rs->setIndex(u"book"_qs), DatabaseError);
    EXPECT_THROW(rs->Seek(u"="_qs, {1}), DatabaseError);
    rs->Close();
    EXPECT_THROW(rs->MoveNext(), DatabaseError);
}

