// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_result_list.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString closing_row = u"[|<br><font color=\"red\">Es wurden mehr als 100 Einträge gefunden.<br>"
                            "Bitte präzisieren Sie die Suche.</font>|BIBLE||]T"_qs;

class BibleResultList : public ::testing::Test {
protected:
    // The list of `sql` over a new Bible of `rows`, before them `verses`
    // verses of book 1 chapter 2, each "Gott spricht".
    QString list(int verses, const QStringList& rows = {},
                 const QString& sql = u"select * from texte order by book, chapter, verse"_qs)
    {
        QStringList statements = bible_schema;
        for (int v = 1; v <= verses; ++v)
            statements << u"INSERT INTO texte VALUES (1, 2, %1, 'Gott spricht')"_qs.arg(v);
        const QString path = dir.filePath(u"bibel%1.mdb"_qs.arg(++files));
        EXPECT_TRUE(sqlite_exec(path, statements + rows));
        auto db = OpenDatabase(path);
        return dispbibelliste(*db, sql, 100, u"H<!--X-->[#Bibelstelle#|#Vers#|BIBLE|#bcv#|]<!--X-->T"_qs,
                              Buecher{{}, {u"1. Mose"_qs, 50, 1}}, u"GOTT;"_qs);
    }

    QTemporaryDir dir;
    int files = 0;
};

} // namespace

TEST_F(BibleResultList, RowsWithReferenceMarkedTextAndKey)
{
    EXPECT_EQ(list(0, {u"INSERT INTO texte VALUES (1, 2, 3, 'Und Gott segnete')"_qs}),
              u"H[1. Mose 2,3|Und <b>Gott</b> segnete|BIBLE|1_2_3|]T"_qs);
    EXPECT_EQ(list(0), u"HT"_qs);
    // Absent text and a book the table does not know.
    EXPECT_EQ(list(0, {u"INSERT INTO texte VALUES (1, 1, 1, NULL)"_qs, u"INSERT INTO texte VALUES (70, 1, 2, 'x')"_qs}),
              u"H[1. Mose 1,1||BIBLE|1_1_1|][ 1,2|x|BIBLE|70_1_2|]T"_qs);
}

TEST_F(BibleResultList, AHundredListedVersesEndWithTheNoticeAtMostAHundredAndOneAreListed)
{
    const QString ninety_nine = list(99);
    EXPECT_EQ(ninety_nine.count(u"[1. Mose 2,"_qs), 99);
    EXPECT_FALSE(ninety_nine.contains(u"Es wurden"_qs));

    const QString hundred = list(100, {}, u"select top 100 * from texte order by book, chapter, verse"_qs);
    EXPECT_EQ(hundred.count(u"[1. Mose 2,"_qs), 100);
    EXPECT_TRUE(hundred.endsWith(u"[1. Mose 2,100|<b>Gott</b> spricht|BIBLE|1_2_100|]"_qs + closing_row));

    const QString more = list(150);
    EXPECT_EQ(more.count(u"[1. Mose 2,"_qs), 101);
    EXPECT_TRUE(more.endsWith(u"|BIBLE|1_2_101|]"_qs + closing_row));
}

TEST_F(BibleResultList, RejectedQueryThrows)
{
    EXPECT_THROW(list(1, {}, u"select * from nirgends"_qs), DatabaseError);
}
