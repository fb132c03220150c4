#include "database.h"
#include "test_database_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>

namespace {

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

class TableCursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        db = OpenDatabase(write_test_book(folder.path()));
    }

    // "book:chapter:verse" of the current row of a texte cursor.
    static QString position(const Recordset& rs)
    {
        return QStringLiteral("%1:%2:%3")
            .arg(rs.Fields(u"book"_qs).toLongLong())
            .arg(rs.Fields(u"chapter"_qs).toLongLong())
            .arg(rs.Fields(u"verse"_qs).toLongLong());
    }

    // The positions from the current row to the end.
    static QStringList rest(Recordset& rs)
    {
        QStringList positions;
        for (; !rs.Eof(); rs.MoveNext())
            positions << position(rs);
        return positions;
    }

    QTemporaryDir folder;
    std::unique_ptr<Database> db;
};

} // namespace

TEST_F(TableCursor, ValuesKeepNullTextNumbersAndDates)
{
    auto qov = db->OpenRecordset(u"QOV"_qs);
    EXPECT_EQ(qov->Fields(u"feiertag"_qs), QVariant(u"Neujahr"_qs));
    EXPECT_EQ(qov->Fields(u"Datum"_qs), QVariant(utc(2024, 1, 1)));
    EXPECT_EQ(qov->Fields(u"AID"_qs).typeId(), QMetaType::LongLong);
    EXPECT_EQ(qov->Fields(u"AID"_qs).toLongLong(), 1);
    qov->MoveNext();
    EXPECT_FALSE(qov->Fields(u"feiertag"_qs).isValid()) << "Null";
    qov->MoveNext();
    EXPECT_EQ(qov->Fields(u"feiertag"_qs), QVariant(QString())) << "empty, not Null";
    qov->MoveNext();
    EXPECT_EQ(qov->Fields(u"Datum"_qs), QVariant(utc(2024, 1, 4, 10, 30)));
}

TEST_F(TableCursor, NamesOfTablesFieldsAndIndexesIgnoreCase)
{
    auto qov = db->OpenRecordset(u"qov"_qs);
    qov->setIndex(u"DATUM"_qs);
    EXPECT_EQ(qov->Fields(u"datum"_qs), qov->Fields(u"DATUM"_qs));
    EXPECT_EQ(qov->Fields(u"aid"_qs), QVariant(qint64(1)));
    EXPECT_FALSE(qov->HasField(u"bcv3"_qs));
    auto texte = db->OpenRecordset(u"[TEXTE]"_qs);
    EXPECT_EQ(texte->Fields(u"bible_text"_qs), QVariant(u"So wurden vollendet Himmel und Erde"_qs));
}

TEST_F(TableCursor, WithoutIndexRowsComeInStoredOrderAndWithIndexInKeyOrder)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    EXPECT_EQ(rest(*texte), QStringList({u"1:2:1"_qs, u"1:1:1"_qs, u"1:1:2"_qs, u"2:1:1"_qs, u"1:2:2"_qs,
                                         u"1:4:1"_qs, u"1:1:3"_qs}));
    texte->setIndex(u"book"_qs);
    EXPECT_EQ(rest(*texte), QStringList({u"1:1:1"_qs, u"1:1:2"_qs, u"1:1:3"_qs, u"1:2:1"_qs, u"1:2:2"_qs,
                                         u"1:4:1"_qs, u"2:1:1"_qs}));
}

TEST_F(TableCursor, SeekOnLeadingIndexFieldsThenReadsOnPastTheChapter)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    texte->setIndex(u"book"_qs);

    texte->Seek(u">="_qs, {1, 2});
    EXPECT_FALSE(texte->NoMatch());
    EXPECT_EQ(rest(*texte), QStringList({u"1:2:1"_qs, u"1:2:2"_qs, u"1:4:1"_qs, u"2:1:1"_qs}));

    texte->Seek(u">="_qs, {1, 3});
    EXPECT_FALSE(texte->NoMatch());
    EXPECT_EQ(position(*texte), u"1:4:1"_qs);
    EXPECT_FALSE(texte->Fields(u"Bible_Text"_qs).isValid());

    texte->Seek(u"="_qs, {1, 1, 3});
    EXPECT_EQ(rest(*texte), QStringList({u"1:1:3"_qs, u"1:2:1"_qs, u"1:2:2"_qs, u"1:4:1"_qs, u"2:1:1"_qs}));
}

TEST_F(TableCursor, SeekWithoutMatchLeavesNoCurrentRow)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    texte->setIndex(u"book"_qs);
    texte->Seek(u"="_qs, {1, 3});
    EXPECT_TRUE(texte->NoMatch());
    EXPECT_TRUE(texte->Eof());
    EXPECT_THROW(texte->Fields(u"verse"_qs), DatabaseError);

    texte->Seek(u">="_qs, {3, 1});
    EXPECT_TRUE(texte->NoMatch());
    EXPECT_TRUE(texte->Eof());

    texte->Seek(u"="_qs, {2, 1});
    EXPECT_FALSE(texte->NoMatch());
}

TEST_F(TableCursor, SeekOnDatesMatchesTheStoredDayAndTime)
{
    auto qov = db->OpenRecordset(u"QOV"_qs);
    qov->setIndex(u"Datum"_qs);
    qov->Seek(u"="_qs, {QDate(2024, 1, 3)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields(u"bcv1"_qs), QVariant(u"19_23_1/19_24_1"_qs));

    // A date stored with a time of day is not that day's midnight.
    qov->Seek(u"="_qs, {QDate(2024, 1, 4)});
    EXPECT_TRUE(qov->NoMatch());
    qov->Seek(u"="_qs, {utc(2024, 1, 4, 10, 30)});
    EXPECT_FALSE(qov->NoMatch());

    qov->Seek(u">="_qs, {QDate(2024, 1, 5)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields(u"Datum"_qs), QVariant(utc(2024, 1, 6)));
}

TEST_F(TableCursor, MisuseIsReportedNotIgnored)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    EXPECT_THROW(texte->Seek(u"="_qs, {1}), DatabaseError) << "no index set";
    EXPECT_THROW(texte->setIndex(u"chapter"_qs), DatabaseError);
    texte->setIndex(u"book"_qs);
    EXPECT_THROW(texte->Seek(u"<"_qs, {1}), DatabaseError);
    EXPECT_THROW(texte->Seek(u"="_qs, {1, 1, 1, 1}), DatabaseError);
    try {
        texte->Fields(u"vers"_qs);
        FAIL() << "unknown field accepted";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"vers"_qs)) << e.what();
    }
    texte->Close();
    EXPECT_THROW(texte->MoveFirst(), DatabaseError);
    EXPECT_THROW(db->OpenRecordset(u"Texts"_qs), DatabaseError);
}

TEST_F(TableCursor, OutlivesItsDatabase)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    db.reset();
    texte->MoveNext();
    EXPECT_EQ(position(*texte), u"1:1:1"_qs);
}

TEST(TableCursorOrder, DescendingIndexFieldsSeekInTheirOwnOrder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"order.sqlite"_qs);
    write_sqlite_file(path, u"CREATE TABLE t (a INTEGER, b INTEGER);"
                            "CREATE INDEX mixed ON t (a, b DESC);"
                            "CREATE INDEX down ON t (a DESC);"
                            "INSERT INTO t VALUES (1, 1), (1, 2), (2, 1), (2, 3);"_qs);
    auto t = OpenDatabase(path)->OpenRecordset(u"t"_qs);
    const auto rows = [&] {
        QStringList seen;
        for (; !t->Eof(); t->MoveNext())
            seen << QStringLiteral("%1%2").arg(t->Fields(u"a"_qs).toInt()).arg(t->Fields(u"b"_qs).toInt());
        return seen;
    };
    t->setIndex(u"mixed"_qs);
    EXPECT_EQ(rows(), QStringList({u"12"_qs, u"11"_qs, u"23"_qs, u"21"_qs}));
    t->Seek(u">="_qs, {1, 1});
    EXPECT_EQ(rows(), QStringList({u"11"_qs, u"23"_qs, u"21"_qs}));
    t->Seek(u"="_qs, {1, 3});
    EXPECT_TRUE(t->NoMatch());

    t->setIndex(u"down"_qs);
    t->Seek(u">="_qs, {1});
    EXPECT_EQ(rows(), QStringList({u"11"_qs, u"12"_qs}));
    t->MoveLast();
    EXPECT_EQ(rows(), QStringList({u"12"_qs}));
}

TEST(TableCursorDates, ADayKeyFindsItsDayWhereTheDayStartsAfterMidnight)
{
    // In São Paulo 2018-11-04 began at 01:00, when summer time started.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"dst.sqlite"_qs);
    write_sqlite_file(path, u"CREATE TABLE QOV (Datum DATETIME); CREATE INDEX Datum ON QOV (Datum);"
                            "INSERT INTO QOV VALUES ('2018-11-03'), ('2018-11-04'), ('2018-11-05');"_qs);
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
    auto qov = OpenDatabase(path)->OpenRecordset(u"QOV"_qs);
    qov->setIndex(u"Datum"_qs);
    qov->Seek(u"="_qs, {QDate(2018, 11, 4)});
    const bool found = !qov->NoMatch();
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    EXPECT_TRUE(found);
}
