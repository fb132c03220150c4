// The generated databases as the reader sees them: through the database layer,
// with the cursors, seeks and queries the program runs on them.

#include "database.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

const QString book_path = QStringLiteral(SELUNAR_DATA_DIR "qov.mdb");
const QString bible_path = QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb");

QDateTime day(int month, int d)
{
    return QDateTime(QDate(2024, month, d), QTime(0, 0), Qt::UTC);
}

int count_rows(Database& db, const QString& sql)
{
    auto rs = db.OpenRecordset(sql);
    int n = 0;
    for (; !rs->Eof(); rs->MoveNext())
        ++n;
    return n;
}

TEST(GeneratedDataThroughLayer, TheBookTableIsSoughtByItsDateIndex)
{
    auto db = OpenDatabase(book_path);
    auto qov = db->OpenRecordset("QOV");
    qov->setIndex("Datum");
    qov->MoveFirst();
    EXPECT_EQ(qov->Fields("datum").toDateTime(), day(1, 1));
    qov->MoveLast();
    EXPECT_EQ(qov->Fields("datum").toDateTime(), day(12, 31));
    qov->Seek("=", {day(3, 29)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields("feiertag").toString(), "Karfreitag");
    EXPECT_EQ(qov->Fields("bcv1").toString(), "23_53_4-5;43_19_30");
    qov->Seek("=", {day(3, 30)});
    EXPECT_EQ(qov->Fields("bcv1").toString(), "40_27,59-28,1");
}

TEST(GeneratedDataThroughLayer, TheProgramsQueriesRunOnTheBook)
{
    auto db = OpenDatabase(book_path);
    EXPECT_EQ(count_rows(*db, "select top 100 * from vw1qov where (thema like '*Gott*') or (text like '*Gott*') "
                              "order by book1,chapter1,verse1"),
              100);
    EXPECT_EQ(count_rows(*db, "select * from vw1qov where (thema like '*Leuchtturm*') or (text like '*Leuchtturm*')"), 1);
    EXPECT_GE(count_rows(*db, "select * from vw1qov where bereich=4 order by datum"), 28);
    EXPECT_EQ(count_rows(*db, "select * from vw1qov where aid=20 order by datum"), 0);

    auto areas = db->OpenRecordset(" select * from [Bereiche] order by Bezeichnung");
    EXPECT_EQ(areas->Fields("bild").toString(), "dank.png");
    auto authors = db->OpenRecordset("select * from [VW1AutorenAktiv] order by Nachname, Vorname");
    EXPECT_EQ(authors->Fields("Nachname").toString(), "Abihajil");
    EXPECT_EQ(count_rows(*db, "select * from [VW1AutorenAktiv] order by Nachname, Vorname"), 19);
    auto author = db->OpenRecordset("Select * from AutorenNeu Where AID=18");
    EXPECT_FALSE(author->Fields("Vorname").isValid());
}

TEST(GeneratedDataThroughLayer, TheBibleOpensWithThePasswordAndSeeksByChapter)
{
    auto db = OpenDatabase(bible_path, false, false, "MS Access;PWD=Murb64#7;");
    auto texte = db->OpenRecordset("texte");
    texte->setIndex("book");
    texte->Seek(">=", {43, 3});
    ASSERT_FALSE(texte->NoMatch());
    int verses = 0;
    for (; !texte->Eof() && texte->Fields("chapter").toInt() == 3; texte->MoveNext())
        ++verses;
    EXPECT_EQ(verses, 36);
    auto found = db->OpenRecordset("select top 100 * from texte where (Bible_text like '*God*') order by book,chapter,verse");
    EXPECT_EQ(found->Fields("Bible_Text").toString(), "In the beginning, God created the heavens and the earth.");
    EXPECT_EQ(count_rows(*db, "select top 100 * from texte where (Bible_text like '*God*') order by book,chapter,verse"), 100);
}

} // namespace
