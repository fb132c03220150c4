// SPDX-License-Identifier: GPL-2.0-or-later
#include "database_test_support.h"

#include <ctime>

namespace {

// "book:chapter:verse" of each row of a texte cursor, from the current one to the end.
QStringList rest(Recordset& rs)
{
    QStringList positions;
    for (; !rs.Eof(); rs.MoveNext())
        positions << QStringLiteral("%1:%2:%3")
                         .arg(rs.Fields(u"book"_qs).toLongLong())
                         .arg(rs.Fields(u"chapter"_qs).toLongLong())
                         .arg(rs.Fields(u"verse"_qs).toLongLong());
    return positions;
}

class TableCursor : public TestBook {};

} // namespace

TEST_F(TableCursor, ValuesKeepNullTextNumbersAndDatesUnderNamesInAnyCase)
{
    auto qov = db->OpenRecordset(u"qov"_qs);
    EXPECT_EQ(qov->Fields(u"FEIERTAG"_qs), QVariant(u"Neujahr"_qs));
    EXPECT_EQ(qov->Fields(u"Datum"_qs), QVariant(utc(2024, 1, 1)));
    EXPECT_EQ(qov->Fields(u"aid"_qs).typeId(), QMetaType::LongLong);
    EXPECT_EQ(qov->Fields(u"aid"_qs).toLongLong(), 1);
    EXPECT_FALSE(qov->HasField(u"bcv3"_qs));
    qov->MoveNext();
    EXPECT_FALSE(qov->Fields(u"feiertag"_qs).isValid()) << "Null";
    qov->MoveNext();
    EXPECT_EQ(qov->Fields(u"feiertag"_qs), QVariant(QString())) << "empty, not Null";
    qov->MoveNext();
    EXPECT_EQ(qov->Fields(u"Datum"_qs), QVariant(utc(2024, 1, 4, 10, 30)));
    EXPECT_EQ(db->OpenRecordset(u"[TEXTE]"_qs)->Fields(u"bible_text"_qs),
              QVariant(u"So wurden vollendet Himmel und Erde"_qs));
}

TEST_F(TableCursor, WithoutIndexRowsComeInStoredOrderAndWithIndexInKeyOrder)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    EXPECT_EQ(rest(*texte), QStringList({u"1:2:1"_qs, u"1:1:1"_qs, u"1:1:2"_qs, u"2:1:1"_qs, u"1:2:2"_qs,
                                         u"1:4:1"_qs, u"1:1:3"_qs}));
    texte->setIndex(u"BOOK"_qs);
    EXPECT_EQ(rest(*texte), QStringList({u"1:1:1"_qs, u"1:1:2"_qs, u"1:1:3"_qs, u"1:2:1"_qs, u"1:2:2"_qs,
                                         u"1:4:1"_qs, u"2:1:1"_qs}));
}

TEST_F(TableCursor, SeekFindsTheFirstRowOfLeadingKeysAndReadsOnInIndexOrder)
{
    auto texte = db->OpenRecordset(u"texte"_qs);
    texte->setIndex(u"book"_qs);
    struct Case {
        QString comparison;
        QVariantList keys;
        QStringList rows; // none: no match
    };
    const Case cases[] = {
        {u">="_qs, {1, 2}, {u"1:2:1"_qs, u"1:2:2"_qs, u"1:4:1"_qs, u"2:1:1"_qs}},
        {u">="_qs, {1, 3}, {u"1:4:1"_qs, u"2:1:1"_qs}},
        {u"="_qs, {1, 1, 3}, {u"1:1:3"_qs, u"1:2:1"_qs, u"1:2:2"_qs, u"1:4:1"_qs, u"2:1:1"_qs}},
        {u"="_qs, {1, 3}, {}},
        {u">="_qs, {3, 1}, {}},
        {u"="_qs, {2, 1}, {u"2:1:1"_qs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comparison.toStdString() + ' ' + QVariant(c.keys).toStringList().join(u',').toStdString());
        texte->Seek(c.comparison, c.keys);
        EXPECT_EQ(texte->NoMatch(), c.rows.isEmpty());
        EXPECT_EQ(rest(*texte), c.rows);
    }
    texte->Seek(u"="_qs, {1, 3});
    EXPECT_THROW(texte->Fields(u"verse"_qs), DatabaseError) << "no current row after a failed seek";
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
    EXPECT_EQ(rest(*texte).value(0), u"1:1:1"_qs);
}

TEST_F(TableCursor, DescendingIndexFieldsSeekInTheirOwnOrder)
{
    const QString path = folder.filePath(u"order.sqlite"_qs);
    sqlite_exec(path, u"CREATE TABLE t (a INTEGER, b INTEGER);"
                            "CREATE INDEX mixed ON t (a, b DESC); CREATE INDEX down ON t (a DESC);"
                            "INSERT INTO t VALUES (1, 1), (1, 2), (2, 1), (2, 3);"_qs);
    auto t = OpenDatabase(path)->OpenRecordset(u"t"_qs);
    const auto rows = [&] {
        QStringList seen;
        for (; !t->Eof(); t->MoveNext())
            seen << t->Fields(u"a"_qs).toString() + t->Fields(u"b"_qs).toString();
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

TEST_F(TableCursor, ADayKeyFindsItsDayWhereTheDayStartsAfterMidnight)
{
    // In São Paulo 2018-11-04 began at 01:00, when summer time started.
    const QString path = folder.filePath(u"dst.sqlite"_qs);
    sqlite_exec(path, u"CREATE TABLE QOV (Datum DATETIME); CREATE INDEX Datum ON QOV (Datum);"
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
