#include "database.h"
#include "test_database_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class QueryCursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        db = OpenDatabase(write_test_book(folder.path()));
    }

    // Field `field` of every row, as text.
    QStringList column(const QString& sql, const QString& field)
    {
        QStringList values;
        for (auto rs = db->OpenRecordset(sql); !rs->Eof(); rs->MoveNext())
            values << rs->Fields(field).toString();
        return values;
    }

    QTemporaryDir folder;
    std::unique_ptr<Database> db;
};

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
    EXPECT_EQ(rs->Fields(u"datum"_qs), QVariant(QDateTime(QDate(2024, 1, 3), QTime(0, 0), Qt::UTC)));
    EXPECT_EQ(rs->Fields(u"feiertag"_qs), QVariant(QString()));
    rs->MoveNext();
    EXPECT_FALSE(rs->Fields(u"feiertag"_qs).isValid());

    auto computed = db->OpenRecordset(u"select count(*) as n, 2.5 as r, max(Datum) as last from QOV"_qs);
    EXPECT_EQ(computed->Fields(u"N"_qs), QVariant(qint64(5)));
    EXPECT_EQ(computed->Fields(u"r"_qs), QVariant(2.5));
    // Without a declared type an expression's date stays text.
    EXPECT_EQ(computed->Fields(u"last"_qs), QVariant(u"2024-01-06"_qs));
}

TEST_F(QueryCursor, SelectTopLimitsTheRows)
{
    EXPECT_EQ(column(u"select top 2 * from texte order by book,chapter,verse"_qs, u"verse"_qs),
              QStringList({u"1"_qs, u"2"_qs}));
    EXPECT_EQ(column(u"SELECT DISTINCT TOP 1 book FROM texte ORDER BY book DESC"_qs, u"book"_qs),
              QStringList({u"2"_qs}));
    EXPECT_EQ(column(u"select * from [Texte] where [Bible_Text] = 'select top 1' "_qs, u"verse"_qs), QStringList());
}

TEST_F(QueryCursor, LikeTakesAccessWildcardsAndIgnoresCaseOfUmlauts)
{
    EXPECT_EQ(column(u"select * from QOV where (text like '*über*') AND(text like '*äRGER*')"_qs, u"AID"_qs),
              QStringList({u"1"_qs}));
    EXPECT_EQ(column(u"select * from texte where bible_text like 'Und ?ott*' order by verse"_qs, u"verse"_qs),
              QStringList({u"2"_qs, u"3"_qs}));
    EXPECT_EQ(column(u"select * from QOV where Datum like '2024-01-0[!1-3]*' order by datum"_qs, u"AID"_qs),
              QStringList({u"2"_qs, u"3"_qs}));
    EXPECT_EQ(column(u"select * from QOV where bcv1 like '#_#*'"_qs, u"bcv1"_qs),
              QStringList({u"1_2,4-3,7"_qs, u"5_6_7;8_9_10"_qs}));
    // SQL's own wildcards are plain characters here.
    EXPECT_EQ(column(u"select * from texte where bible_text like '%Gott%'"_qs, u"verse"_qs), QStringList());
    // Like on Null is neither true nor false.
    EXPECT_EQ(column(u"select count(*) as n from texte where not (bible_text like 'xyz')"_qs, u"n"_qs),
              QStringList({u"6"_qs}));
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
    EXPECT_THROW(db->OpenRecordset(u"delete from QOV"_qs), DatabaseError);
    EXPECT_THROW(db->OpenRecordset(u"select 1; delete from QOV"_qs), DatabaseError);
    EXPECT_THROW(db->OpenRecordset(QString()), DatabaseError);
    EXPECT_EQ(db->OpenRecordset(u"select count(*) as n from QOV;"_qs)->Fields(u"n"_qs).toLongLong(), 5);

    // Queries have no index.
    auto rs = db->OpenRecordset(u"select * from texte"_qs);
    EXPECT_THROW(rs->setIndex(u"book"_qs), DatabaseError);
    EXPECT_THROW(rs->Seek(u"="_qs, {1}), DatabaseError);
    rs->Close();
    EXPECT_THROW(rs->MoveNext(), DatabaseError);
}

TEST_F(QueryCursor, ObserverSeesEverySourceBeforeItRuns)
{
    QStringList seen;
    db->setQueryObserver([&](const QString& source) { seen << source; });
    db->OpenRecordset(u"QOV"_qs);
    EXPECT_THROW(db->OpenRecordset(u"select nonsense"_qs), DatabaseError);
    EXPECT_EQ(seen, QStringList({u"QOV"_qs, u"select nonsense"_qs}));
}
