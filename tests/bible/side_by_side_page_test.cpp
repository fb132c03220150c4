// SPDX-License-Identifier: GPL-2.0-or-later
#include "side_by_side_page.h"

#include "book_bible_source.h"
#include "database.h"
#include "sword_library.h"
#include "sword_test_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString tplbibel = "<h1>#Buch# #Kapitel#</h1>#VERS#<p>Ende</p>";
const QString tplvers = "<a name=\"v#Versnr#\"></a>#Versnr# #Vers#|";
const Buecher buecher{{}, {"1. Mose", 50, 1}, {"2. Mose", 40, 2}};
// Every row is a table of its own.
const QString row = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>";
const QString end = "</tr></table>\n";

} // namespace

TEST(SideBySidePage, OneRowPerVerseOneColumnPerTranslation)
{
    const std::vector<TranslationColumn> columns{
        {"Elb", true, {{1, "Am Anfang <&>", "Die Schöpfung\nTag 1"}, {2, "Und die Erde", ""}}},
        {"K&J", true, {{2, "And the earth", ""}, {3, "And God said", ""}}},
    };
    const QString td = "<td valign=\"top\" width=\"50%\">";
    EXPECT_EQ(side_by_side_chapter(1, 1, columns, tplbibel, tplvers, buecher, "1_1_2-3"),
              "<h1>1. Mose 1</h1>" + row
                  + "<th class=\"nr\" width=\"50%\">Elb</th><th class=\"nr\" width=\"50%\">K&amp;J</th>" + end
                  + row + td + "<p class=\"vers\"><i>Die Schöpfung<br>Tag 1</i></p></td>" + td + "</td>" + end
                  + row + td + "<a name=\"v1\"></a>1 Am Anfang &lt;&amp;&gt;|</td>" + td + "</td>" + end
                  + row + td + "<a name=\"v2\"></a>2 <b>Und die Erde</b>|</td>" + td
                  + "<a name=\"v2\"></a>2 <b>And the earth</b>|</td>" + end
                  + row + td + "</td>" + td + "<a name=\"v3\"></a>3 <b>And God said</b>|</td>" + end
                  + "<p>Ende</p>");
}

TEST(SideBySidePage, AColumnWithoutTheBookSaysSo)
{
    const TranslationColumn missing{"KJV", false, {}};
    const QString td = "<td valign=\"top\" width=\"50%\">";
    const QString page = side_by_side_chapter(2, 1, {{"Elb", true, {{1, "Dies", ""}, {2, "Das", ""}}}, missing},
                                              tplbibel, tplvers, buecher, "");
    EXPECT_TRUE(page.contains("<a name=\"v1\"></a>1 Dies|</td>" + td
                              + "<p class=\"vers\">Dieses Buch fehlt in KJV.</p></td>" + end + row))
        << page.toStdString();
    EXPECT_EQ(page.count("Dieses Buch fehlt"), 1);
    // Without a verse in any column the row of the notices stands alone.
    EXPECT_EQ(side_by_side_chapter(2, 1, {missing}, tplbibel, tplvers, buecher, ""),
              "<h1>2. Mose 1</h1>" + row + "<th class=\"nr\" width=\"100%\">KJV</th>" + end + row
                  + "<td valign=\"top\" width=\"100%\"><p class=\"vers\">Dieses Buch fehlt in KJV.</p></td>" + end
                  + "<p>Ende</p>");
}

namespace {

struct ShownChapter {
    QString page;
    std::vector<TranslationColumn> columns;
};

// A chapter of the demo Bible, the King James Version and the World English
// Bible on the shipped chapter template, as the reader shows it.
class ThreeTranslations : public testing::Test {
protected:
    ShownChapter show(int book, int chap, const QString& hilitebcv)
    {
        BookBibleSource book_bible(*texte_);
        std::vector<TranslationColumn> columns{
            {book_bible.short_name(), book_bible.has_book(book), book_bible.chapter(book, chap)}};
        for (const char* name : {"engKJV2006eb", "engWEB2015eb"}) {
            const auto module = library_.open(name, book_bible.frame());
            columns.push_back({module->short_name(), module->has_book(book), module->chapter(book, chap)});
        }
        QFile file(SELUNAR_TEMPLATE_DIR "/bibel.htm");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype start = text.indexOf("#VersStart#");
        const qsizetype end = text.indexOf("#VersEnd#");
        const QString frame = text.left(start) + "#VERS#" + text.mid(end + 9);
        const QString verse = text.mid(start + 11, end - start - 11);
        Buecher buecher(67);
        buecher[19] = {"Psalm", 150, 19};
        buecher[43] = {"Johannes", 21, 43};
        buecher[66] = {"Offenbarung", 22, 66};
        return {side_by_side_chapter(book, chap, columns, frame, verse, buecher, hilitebcv), columns};
    }

    SwordTestFolder folder_;
    SwordLibrary library_{folder_.path()};
    std::unique_ptr<Database> db_ = OpenDatabase(SELUNAR_DATA_DIR "elberfelderbibel.mdb");
    std::unique_ptr<Recordset> texte_ = [this] {
        auto texte = db_->OpenRecordset("texte");
        texte->setIndex("book");
        return texte;
    }();
};

} // namespace

TEST_F(ThreeTranslations, Psalm23VerseByVerse)
{
    const ShownChapter psalm = show(19, 23, "");
    EXPECT_TRUE(psalm.page.contains("<p class=\"kopf\">Psalm 23</p>"));
    EXPECT_TRUE(psalm.page.contains("<th class=\"nr\" width=\"33%\">Elberfelder</th><th class=\"nr\" width=\"33%\">"
                                    "KJV</th><th class=\"nr\" width=\"33%\">WEB</th>"));
    for (int verse = 1; verse <= 6; ++verse)
        EXPECT_EQ(psalm.page.count(QString("<a name=\"v%1\"></a>").arg(verse)), 3) << verse;
    EXPECT_FALSE(psalm.page.contains("<a name=\"v7\">"));
    // The modules' superscriptions head the first row; the book's Bible
    // keeps its own in verse 1.
    EXPECT_TRUE(psalm.page.contains("<tr><td valign=\"top\" width=\"33%\"></td><td valign=\"top\" width=\"33%\">"
                                    "<p class=\"vers\"><i>A Psalm of David.</i></p></td>"));
    EXPECT_TRUE(psalm.page.contains("&nbsp;Ein Psalm von David. Jehova ist mein Hirte"));
    EXPECT_EQ(psalm.page.count("<b>"), 0);
}

TEST_F(ThreeTranslations, Johannes316HighlightedInEveryColumn)
{
    const ShownChapter john = show(43, 3, "43_3_16");
    EXPECT_EQ(john.page.count("<b>"), 3);
    EXPECT_TRUE(john.page.contains("&nbsp;<b>Denn also hat Gott die Welt geliebt"));
    EXPECT_TRUE(john.page.contains("&nbsp;<b>¶ For God so loved the world"));
    EXPECT_TRUE(john.page.contains("&nbsp;<b>For God so loved the world"));
    // The view scrolls to the first anchor of the verse, in the first column.
    const qsizetype anchor = john.page.indexOf("<a name=\"v16\"></a>");
    EXPECT_LT(anchor, john.page.indexOf("Denn also hat Gott"));
    EXPECT_GT(anchor, john.page.indexOf("<a name=\"v15\"></a>"));
}

TEST_F(ThreeTranslations, AChapterNumberedOtherwise)
{
    // The book's Bible counts Revelation 12,18 (empty) as the NRSV does; the
    // KJV's 13,1 stands there, the WEB's own 12,18 beside it.
    const ShownChapter revelation = show(66, 12, "");
    ASSERT_EQ(revelation.columns[0].verses.back().number, 18);
    EXPECT_EQ(revelation.columns[0].verses.back().text, "");
    EXPECT_TRUE(revelation.columns[1].verses.back().text.startsWith("And I stood upon the sand of the sea"));
    EXPECT_TRUE(revelation.columns[2].verses.back().text.startsWith("Then I stood on the sand of the sea."));
    const QString last_row = revelation.page.mid(revelation.page.lastIndexOf("<tr>"));
    EXPECT_TRUE(last_row.startsWith("<tr><td valign=\"top\" width=\"33%\"></td><td valign=\"top\" width=\"33%\">"
                                    "<p class=\"vers\"><a name=\"v18\"></a>"))
        << last_row.toStdString();
    EXPECT_EQ(show(66, 13, "").columns[1].verses.front().number, 2);
}
