// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_page.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DayPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(u"qov.mdb"_qs);
        ASSERT_TRUE(sqlite_exec(
            path, qov_schema + QStringList{
                      u"INSERT INTO QOV VALUES ('2024-01-01', 'Neujahr', 'Zeile 1\r\nZeile 2\r\nZeile 3',"
                      " 'Joh 3,16; Röm 8,28', '43_3_16;45_8_28', 2, 'Gottes Liebe', 'Gott ist treu.\r\nGott hilft.',"
                      " 'Was trägt?', 'Danke sagen.', 'Ps 23', '19_23_1-6', 7)"_qs,
                      u"INSERT INTO QOV VALUES ('2024-01-02', NULL, 'Vers', '', '', 99, 'Thema', 'Text',"
                      " 'F', 'T', 'Mt 5', '40_5_1', 8)"_qs,
                      u"INSERT INTO QOV VALUES ('2024-01-03', NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                      " NULL, NULL, NULL, NULL, 999)"_qs,
                      u"INSERT INTO AutorenNeu VALUES (7, 'Anna', 'Schmidt')"_qs,
                      u"INSERT INTO AutorenNeu VALUES (8, '', 'Meier')"_qs}));
        db = OpenDatabase(path);
        rsQov = db->OpenRecordset(u"QOV"_qs);
        rsQov->setIndex(u"Datum"_qs);
        bereiche.resize(3);
        bereiche[2] = {u"Familie"_qs, u"familie.png"_qs, 1};
    }

    QString page(QDate date)
    {
        return loadday(date, *rsQov, *db,
                       u"D=#Datum#|F=#Feiertag#|L=#Leitvers#|S=#Bibelstelle#|B=#Bild#|T=#Thema#|X=#Text#|Q=#Frage#"
                       "|P=#Tipp#|R=#Bibellese#|A=#Autor#"_qs,
                       u"<a href=\"BIBLE|#bcv#|\">#Bibelst#</a>"_qs, bereiche, suchworte);
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    std::unique_ptr<Recordset> rsQov;
    Bereiche bereiche;
    QString suchworte;
};

} // namespace

TEST_F(DayPage, FillsEveryPlaceholderAndLooksTheAuthorUpByNumber)
{
    QStringList queries;
    db->setQueryObserver([&](const QString& source) { queries << source; });
    EXPECT_EQ(page(QDate(2024, 1, 1)),
              u"D=Montag, 1. Januar 2024|F=<font size=3>Neujahr</font>"
              "|L=Zeile 1<br>\r\nZeile 2<br>\r\nZeile 3"
              "|S=<a href=\"BIBLE|43_3_16|\">Joh 3,16</a><a href=\"BIBLE|45_8_28|\"> Röm 8,28</a>"
              "|B=familie.png|T=Gottes Liebe|X=Gott ist treu.<br>\r\nGott hilft.|Q=Was trägt?|P=Danke sagen."
              "|R=<a href=\"BIBLE|19_23_1-6|\">Ps 23</a>|A=<a href=\"AUTOR|7|\">Anna Schmidt</a>"_qs);
    EXPECT_EQ(queries, QStringList{u"Select * from AutorenNeu Where AID=7"_qs});
}

TEST_F(DayPage, MissingDataGivesEmptyParts)
{
    // Null holiday, empty reference, unknown topic, empty first name.
    const QString text = page(QDate(2024, 1, 2));
    EXPECT_TRUE(text.contains(u"|F=<font size=3></font>|"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"|S=|B=|"_qs)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"|A=<a href=\"AUTOR|8|\">Meier</a>"_qs)) << text.toStdString();
    // Null in every field with an unknown author, and a date without a row.
    EXPECT_EQ(page(QDate(2024, 1, 3)),
              u"D=Mittwoch, 3. Januar 2024|F=<font size=3></font>|L=|S=|B=|T=|X=|Q=|P=|R=|A="_qs);
    EXPECT_EQ(page(QDate(2024, 2, 1)),
              u"D=Donnerstag, 1. Februar 2024|F=<font size=3></font>|L=|S=|B=|T=|X=|Q=|P=|R=|A="_qs);
}

TEST_F(DayPage, SearchWordsMarkTopicAndText)
{
    suchworte = u"GOTT;"_qs;
    const QString marked = page(QDate(2024, 1, 1));
    EXPECT_TRUE(marked.contains(u"|T=<i>Gott</i>es Liebe|X=<b>Gott</b> ist treu.<br>\r\n<b>Gott</b> hilft.|"_qs))
        << marked.toStdString();
}

TEST_F(DayPage, LaterPlaceholderInsideAnEarlierReplacementIsFilled)
{
    bereiche[2].bild = u"#Thema#.png"_qs;
    EXPECT_TRUE(page(QDate(2024, 1, 1)).contains(u"|B=Gottes Liebe.png|"_qs));
}
