#include "chapter_page.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Testhilite, EmptyKeySelectsNothing)
{
    EXPECT_FALSE(testhilite(QString(), 1, 1, 1));
}

TEST(Testhilite, SingleVerseOnlyInItsBookAndChapter)
{
    const QString key = u"1_1_3"_qs;
    EXPECT_TRUE(testhilite(key, 1, 1, 3));
    EXPECT_FALSE(testhilite(key, 1, 1, 2));
    EXPECT_FALSE(testhilite(key, 1, 1, 4));
    EXPECT_FALSE(testhilite(key, 1, 2, 3));
    EXPECT_FALSE(testhilite(key, 2, 1, 3));
}

TEST(Testhilite, VerseRangeIncludesBothEnds)
{
    const QString key = u"1_1_3-5"_qs;
    for (int verse : {3, 4, 5})
        EXPECT_TRUE(testhilite(key, 1, 1, verse)) << verse;
    EXPECT_FALSE(testhilite(key, 1, 1, 2));
    EXPECT_FALSE(testhilite(key, 1, 1, 6));
}

TEST(Testhilite, RangeAcrossChapters)
{
    const QString key = u"1_1,30-2,3"_qs;
    EXPECT_FALSE(testhilite(key, 1, 1, 29));
    EXPECT_TRUE(testhilite(key, 1, 1, 30));
    EXPECT_TRUE(testhilite(key, 1, 1, 31));
    EXPECT_TRUE(testhilite(key, 1, 2, 1));
    EXPECT_TRUE(testhilite(key, 1, 2, 3));
    EXPECT_FALSE(testhilite(key, 1, 2, 4));
    EXPECT_FALSE(testhilite(key, 1, 3, 1));
    EXPECT_FALSE(testhilite(key, 2, 1, 31));
}

TEST(Testhilite, SeveralReferences)
{
    const QString key = u"1_1_3/1_2_5"_qs;
    EXPECT_TRUE(testhilite(key, 1, 1, 3));
    EXPECT_TRUE(testhilite(key, 1, 2, 5));
    EXPECT_FALSE(testhilite(key, 1, 1, 5));
    EXPECT_FALSE(testhilite(key, 1, 2, 3));
    // The first empty reference ends the key.
    EXPECT_FALSE(testhilite(u"1_1_3//1_2_5"_qs, 1, 2, 5));
    // A malformed reference selects nothing but does not hide the others.
    EXPECT_TRUE(testhilite(u"Joh 3/1_2_5"_qs, 1, 2, 5));
}

TEST(Testhilite, VerseZeroSelectsNoVerse)
{
    EXPECT_FALSE(testhilite(u"1_1_0"_qs, 1, 1, 1));
    EXPECT_FALSE(testhilite(u"1_1_0"_qs, 1, 1, 0));
}

TEST(Testhilite, MalformedKeysSelectNothing)
{
    for (const char* key : {"1_1", "1_x_3", "1_1_3-", "1_1,30-2", "abc", "_1_3"})
        EXPECT_FALSE(testhilite(QString::fromLatin1(key), 1, 1, 3)) << key;
}

namespace {

const QString tplbibel = u"<h1>#Buch# #Kapitel#</h1>#VERS#<p>Ende</p>"_qs;
const QString tplvers = u"<a name=\"v#Versnr#\"></a>#Versnr# #Vers#|"_qs;

class ChapterPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QStringList sql = bible_schema;
        // Book 1 has chapters 1 and 3 (chapter 2 is missing), book 2 one
        // verse; inserted out of order, the index gives the order.
        sql << u"INSERT INTO texte VALUES (1, 3, 1, 'Drei eins')"_qs
            << u"INSERT INTO texte VALUES (1, 1, 2, 'Eins zwei')"_qs
            << u"INSERT INTO texte VALUES (1, 1, 1, 'Eins eins')"_qs
            << u"INSERT INTO texte VALUES (1, 1, 3, NULL)"_qs
            << u"INSERT INTO texte VALUES (1, 3, 2, 'Drei zwei')"_qs
            << u"INSERT INTO texte VALUES (2, 1, 1, 'Exodus')"_qs;
        const QString path = dir.filePath(u"bibel.mdb"_qs);
        ASSERT_TRUE(write_sqlite_file(path, sql));
        db = OpenDatabase(path);
        rsTexte = db->OpenRecordset(u"texte"_qs);
        rsTexte->setIndex(u"book"_qs);
        buecher.resize(3);
        buecher[1] = {u"1. Mose"_qs, 50, 1};
        buecher[2] = {u"2. Mose"_qs, 40, 2};
    }

    QString chapter(int book, int chap, const QString& hilitebcv = {})
    {
        return renderchap(book, chap, *rsTexte, tplbibel, tplvers, buecher, hilitebcv);
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    std::unique_ptr<Recordset> rsTexte;
    Buecher buecher;
};

} // namespace

TEST_F(ChapterPage, OneRowPerVerseInTableOrder)
{
    EXPECT_EQ(chapter(1, 1),
              u"<h1>1. Mose 1</h1><a name=\"v1\"></a>1 Eins eins|<a name=\"v2\"></a>2 Eins zwei|"
              "<a name=\"v3\"></a>3 |<p>Ende</p>"_qs);
}

TEST_F(ChapterPage, HighlightedVersesAreBoldAbsentTextToo)
{
    EXPECT_EQ(chapter(1, 1, u"1_1_2-3"_qs),
              u"<h1>1. Mose 1</h1><a name=\"v1\"></a>1 Eins eins|<a name=\"v2\"></a>2 <b>Eins zwei</b>|"
              "<a name=\"v3\"></a>3 <b></b>|<p>Ende</p>"_qs);
}

TEST_F(ChapterPage, RangeAcrossChaptersMarksBothChapters)
{
    const QString key = u"1_1,3-3,1"_qs;
    EXPECT_TRUE(chapter(1, 1, key).contains(u"3 <b></b>|"_qs));
    const QString third = chapter(1, 3, key);
    EXPECT_TRUE(third.contains(u"1 <b>Drei eins</b>|"_qs)) << third.toStdString();
    EXPECT_TRUE(third.contains(u"2 Drei zwei|"_qs)) << third.toStdString();
}

TEST_F(ChapterPage, EmptyChapterShowsNoVerseOfALaterChapter)
{
    EXPECT_EQ(chapter(1, 2), u"<h1>1. Mose 2</h1><p>Ende</p>"_qs);
}

TEST_F(ChapterPage, PositionAfterTheLastVerseShowsNoRows)
{
    EXPECT_EQ(chapter(2, 5), u"<h1>2. Mose 5</h1><p>Ende</p>"_qs);
    EXPECT_EQ(chapter(9, 1), u"<h1> 1</h1><p>Ende</p>"_qs);
}

TEST_F(ChapterPage, LastChapterOfTheTableEndsAtTheTableEnd)
{
    EXPECT_EQ(chapter(2, 1), u"<h1>2. Mose 1</h1><a name=\"v1\"></a>1 Exodus|<p>Ende</p>"_qs);
}

TEST_F(ChapterPage, ChapterStopsBeforeTheNextBook)
{
    const QString third = chapter(1, 3);
    EXPECT_TRUE(third.contains(u"2 Drei zwei|<p>Ende</p>"_qs)) << third.toStdString();
    EXPECT_FALSE(third.contains(u"Exodus"_qs));
}

TEST_F(ChapterPage, VerseRowPlaceholdersAsReplacedInTurn)
{
    // "#Versnr#" is filled first, so "#Vers#nr#" holds the text placeholder
    // and an adjacent pair fills both.
    EXPECT_EQ(renderchap(2, 1, *rsTexte, u"#VERS#"_qs, u"#Versnr##Vers#|#Vers#nr#|#Versnr#"_qs, buecher, {}),
              u"1Exodus|Exodusnr#|1"_qs);
}
