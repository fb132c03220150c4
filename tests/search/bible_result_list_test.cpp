#include "bible_result_list.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString tpl = u"H<!--X-->[#Bibelstelle#|#Vers#|BIBLE|#bcv#|]<!--X-->T"_qs;

const QString closing_row = u"[|<br><font color=\"red\">Es wurden mehr als 100 Einträge gefunden.<br>"
                            "Bitte präzisieren Sie die Suche.</font>|BIBLE||]"_qs;

class BibleResultList : public ::testing::Test {
protected:
    // `verses` verses of book 1 chapter 2, numbered from 1, each "Gott spricht".
    void write(int verses, const QStringList& more = {})
    {
        ASSERT_TRUE(dir.isValid());
        QStringList sql = bible_schema;
        for (int v = 1; v <= verses; ++v)
            sql << u"INSERT INTO texte VALUES (1, 2, %1, 'Gott spricht')"_qs.arg(v);
        sql << more;
        const QString path = dir.filePath(u"bibel.mdb"_qs);
        ASSERT_TRUE(write_sqlite_file(path, sql));
        db = OpenDatabase(path);
    }

    QString list(const QString& sql = u"select * from texte order by book, chapter, verse"_qs)
    {
        return dispbibelliste(*db, sql, tpl, buecher, suchworte);
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Buecher buecher{{}, {u"1. Mose"_qs, 50, 1}};
    QString suchworte = u"GOTT;"_qs;
};

} // namespace

TEST_F(BibleResultList, VerseRowWithReferenceMarkedTextAndKey)
{
    write(0, {u"INSERT INTO texte VALUES (1, 2, 3, 'Und Gott segnete')"_qs});
    EXPECT_EQ(list(), u"H[1. Mose 2,3|Und <b>Gott</b> segnete|BIBLE|1_2_3|]T"_qs);
    EXPECT_TRUE(suchworte.isEmpty());
}

TEST_F(BibleResultList, NoVerseGivesHeadAndTail)
{
    write(0);
    EXPECT_EQ(list(), u"HT"_qs);
    EXPECT_TRUE(suchworte.isEmpty());
}

TEST_F(BibleResultList, NinetyNineVersesWithoutNotice)
{
    write(99);
    const QString page = list();
    EXPECT_EQ(page.count(u"[1. Mose 2,"_qs), 99);
    EXPECT_FALSE(page.contains(u"Es wurden"_qs));
}

TEST_F(BibleResultList, HundredVersesEndWithTheClosingRow)
{
    write(100);
    const QString page = list(u"select top 100 * from texte order by book, chapter, verse"_qs);
    EXPECT_EQ(page.count(u"[1. Mose 2,"_qs), 100);
    EXPECT_TRUE(page.endsWith(u"[1. Mose 2,100|<b>Gott</b> spricht|BIBLE|1_2_100|]"_qs + closing_row + u"T"_qs))
        << page.right(300).toStdString();
}

TEST_F(BibleResultList, MoreThanHundredStopAtHundredAndOne)
{
    write(150);
    const QString page = list();
    EXPECT_EQ(page.count(u"[1. Mose 2,"_qs), 101);
    EXPECT_TRUE(page.endsWith(u"|BIBLE|1_2_101|]"_qs + closing_row + u"T"_qs));
}

TEST_F(BibleResultList, AbsentTextAndUnknownBook)
{
    write(0, {u"INSERT INTO texte VALUES (1, 1, 1, NULL)"_qs, u"INSERT INTO texte VALUES (70, 1, 2, 'x')"_qs});
    EXPECT_EQ(list(), u"H[1. Mose 1,1||BIBLE|1_1_1|][ 1,2|x|BIBLE|70_1_2|]T"_qs);
}

TEST_F(BibleResultList, RejectedQueryThrowsAndKeepsTheWords)
{
    write(1);
    EXPECT_THROW(list(u"select * from nirgends"_qs), DatabaseError);
    EXPECT_EQ(suchworte, u"GOTT;"_qs);
}
