// The generated databases as the reader sees them: through the database layer,
// with the cursors, seeks and queries the program runs on them.

#include "database.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

int count_rows(Database& db, const QString& sql)
{
    int n = 0;
    for (auto rs = db.OpenRecordset(sql); !rs->Eof(); rs->MoveNext())
        ++n;
    return n;
}

TEST(GeneratedDataThroughLayer, TheBookIsSoughtByDateAndAnswersTheProgramsQueries)
{
    auto db = OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "qov.mdb"));
    auto qov = db->OpenRecordset("QOV");
    qov->setIndex("Datum");
    qov->MoveLast();
    EXPECT_EQ(qov->Fields("datum").toDateTime(), QDateTime(QDate(2024, 12, 31), QTime(0, 0), Qt::UTC));
    qov->Seek("=", {QDateTime(QDate(2024, 3, 29), QTime(0, 0), Qt::UTC)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields("feiertag").toString(), "Karfreitag");
    EXPECT_EQ(qov->Fields("bcv1").toString(), "23_53_4-5;43_19_30");

    const std::pair<const char*, int> counts[] = {
        {"select top 100 * from vw1qov where (thema like '*Gott*') or (text like '*Gott*') "
         "order by book1,chapter1,verse1", 100},
        {"select * from vw1qov where (thema like '*Leuchtturm*') or (text like '*Leuchtturm*')", 1},
        {"select * from vw1qov where aid=20 order by datum", 0},
        {"select * from [VW1AutorenAktiv] order by Nachname, Vorname", 19},
    };
    for (const auto& [sql, rows] : counts)
        EXPECT_EQ(count_rows(*db, sql), rows) << sql;
    EXPECT_GE(count_rows(*db, "select * from vw1qov where bereich=4 order by datum"), 28);
    EXPECT_EQ(db->OpenRecordset(" select * from [Bereiche] order by Bezeichnung")->Fields("bild").toString(), "dank.png");
}

TEST(GeneratedDataThroughLayer, TheBibleOpensWithThePasswordAndSeeksByChapter)
{
    auto db = OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb"), false, false,
                           "MS Access;PWD=Murb64#7;");
    auto texte = db->OpenRecordset("texte");
    texte->setIndex("book");
    texte->Seek(">=", {43, 3});
    ASSERT_FALSE(texte->NoMatch());
    int verses = 0;
    for (; !texte->Eof() && texte->Fields("chapter").toInt() == 3; texte->MoveNext())
        ++verses;
    EXPECT_EQ(verses, 36);
    const QString found = "select top 100 * from texte where (Bible_text like '*Gott*') order by book,chapter,verse";
    EXPECT_EQ(db->OpenRecordset(found)->Fields("Bible_Text").toString(),
              "Im Anfang schuf Gott die Himmel und die Erde.");
    EXPECT_EQ(count_rows(*db, found), 100);
}

} // namespace
