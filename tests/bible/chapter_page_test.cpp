// SPDX-License-Identifier: GPL-2.0-or-later
#include "chapter_page.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Testhilite, SelectsTheVersesOfEveryWellformedReference)
{
    struct Case {
        const char* key;
        int book, chap, verse;
        bool selected;
    };
    const Case cases[] = {
        {"", 1, 1, 1, false},
        {"1_1_3", 1, 1, 3, true}, {"1_1_3", 1, 1, 2, false}, {"1_1_3", 1, 1, 4, false},
        {"1_1_3", 1, 2, 3, false}, {"1_1_3", 2, 1, 3, false},
        {"1_1_3-5", 1, 1, 3, true}, {"1_1_3-5", 1, 1, 5, true}, {"1_1_3-5", 1, 1, 2, false},
        {"1_1_3-5", 1, 1, 6, false},
        {"1_1,30-2,3", 1, 1, 29, false}, {"1_1,30-2,3", 1, 1, 30, true}, {"1_1,30-2,3", 1, 1, 31, true},
        {"1_1,30-2,3", 1, 2, 1, true}, {"1_1,30-2,3", 1, 2, 3, true}, {"1_1,30-2,3", 1, 2, 4, false},
        {"1_1,30-2,3", 1, 3, 1, false}, {"1_1,30-2,3", 2, 1, 31, false},
        {"1_1_3/1_2_5", 1, 2, 5, true}, {"1_1_3/1_2_5", 1, 1, 5, false}, {"1_1_3/1_2_5", 1, 2, 3, false},
        // The first empty reference ends the key; a malformed one selects
        // nothing but does not hide the others.
        {"1_1_3//1_2_5", 1, 2, 5, false}, {"Joh 3/1_2_5", 1, 2, 5, true},
        // Verse 0 (the whole chapter) selects no verse.
        {"1_1_0", 1, 1, 1, false}, {"1_1_0", 1, 1, 0, false},
        {"1_1", 1, 1, 3, false}, {"1_x_3", 1, 1, 3, false}, {"1_1_3-", 1, 1, 3, false},
        {"1_1,30-2", 1, 1, 3, false}, {"_1_3", 1, 1, 3, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(testhilite(QString::fromLatin1(c.key), c.book, c.chap, c.verse), c.selected)
            << c.key << " " << c.book << "_" << c.chap << "_" << c.verse;
}

TEST(ChapterPage, OneRowPerVerseOfTheRequestedChapterOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bibel.mdb"_qs);
    // Book 1 has chapters 1 and 3 (chapter 2 is missing), book 2 one verse;
    // inserted out of order, the index gives the order.
    ASSERT_TRUE(sqlite_exec(path, bible_schema + QStringList{
                                            u"INSERT INTO texte VALUES (1, 3, 1, 'Drei eins')"_qs,
                                            u"INSERT INTO texte VALUES (1, 1, 2, 'Eins zwei')"_qs,
                                            u"INSERT INTO texte VALUES (1, 1, 1, 'Eins eins')"_qs,
                                            u"INSERT INTO texte VALUES (1, 1, 3, NULL)"_qs,
                                            u"INSERT INTO texte VALUES (1, 3, 2, 'Drei zwei')"_qs,
                                            u"INSERT INTO texte VALUES (2, 1, 1, 'Exodus')"_qs}));
    auto db = OpenDatabase(path);
    auto rsTexte = db->OpenRecordset(u"texte"_qs);
    rsTexte->setIndex(u"book"_qs);
    const Buecher buecher{{}, {u"1. Mose"_qs, 50, 1}, {u"2. Mose"_qs, 40, 2}};

    struct Case {
        int book, chap;
        const char* hilitebcv;
        QString page;
    };
    const Case cases[] = {
        {1, 1, "", u"<h1>1. Mose 1</h1><a name=\"v1\"></a>1 Eins eins|<a name=\"v2\"></a>2 Eins zwei|"
                   "<a name=\"v3\"></a>3 |<p>Ende</p>"_qs},
        // Highlighted verses are bold, a verse without text too.
        {1, 1, "1_1_2-3", u"<h1>1. Mose 1</h1><a name=\"v1\"></a>1 Eins eins|<a name=\"v2\"></a>2 <b>Eins zwei</b>|"
                          "<a name=\"v3\"></a>3 <b></b>|<p>Ende</p>"_qs},
        {1, 3, "1_1,3-3,1", u"<h1>1. Mose 3</h1><a name=\"v1\"></a>1 <b>Drei eins</b>|"
                            "<a name=\"v2\"></a>2 Drei zwei|<p>Ende</p>"_qs},
        // Found fault: a chapter without verses showed the next chapter's.
        {1, 2, "", u"<h1>1. Mose 2</h1><p>Ende</p>"_qs},
        // Positions after the last verse, and an unknown book.
        {2, 5, "", u"<h1>2. Mose 5</h1><p>Ende</p>"_qs},
        {9, 1, "", u"<h1> 1</h1><p>Ende</p>"_qs},
        // The last chapter of the table ends at the table's end.
        {2, 1, "", u"<h1>2. Mose 1</h1><a name=\"v1\"></a>1 Exodus|<p>Ende</p>"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renderchap(c.book, c.chap, *rsTexte, u"<h1>#Buch# #Kapitel#</h1>#VERS#<p>Ende</p>"_qs,
                             u"<a name=\"v#Versnr#\"></a>#Versnr# #Vers#|"_qs, buecher, QString::fromLatin1(c.hilitebcv)),
                  c.page)
            << c.book << "_" << c.chap << " " << c.hilitebcv;

    // "#Versnr#" is filled first, so "#Vers#nr#" holds the text placeholder
    // and an adjacent pair fills both.
    EXPECT_EQ(renderchap(2, 1, *rsTexte, u"#VERS#"_qs, u"#Versnr##Vers#|#Vers#nr#|#Versnr#"_qs, buecher, {}),
              u"1Exodus|Exodusnr#|1"_qs);
}
