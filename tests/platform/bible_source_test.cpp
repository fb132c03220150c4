// SPDX-License-Identifier: GPL-2.0-or-later
// The book's Bible table and real modules read through one interface, in
// the table's numbering.

#include "book_bible_source.h"
#include "database.h"
#include "support/test_database.h"
#include "sword_library.h"
#include "sword_test_folder.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

void PrintTo(const SourceVerse& v, std::ostream* out);

namespace {

VerseCounts counts_of(const BibleFrame& frame)
{
    VerseCounts counts;
    for (int book = 1; book <= 66; ++book) {
        counts.emplace_back();
        for (int chap = 1; chap <= frame.chapter_count(book); ++chap)
            counts.back().push_back(frame.verse_count(book, chap));
    }
    return counts;
}

} // namespace

TEST(BibleFrame, TheTableFollowsTheVersificationThatFitsItsCountsBest)
{
    // Of systems alike in the 66 books, KJV goes first, then libsword's order.
    const std::pair<const char*, const char*> cases[] = {
        {"KJV", "KJV"}, {"KJVA", "KJV"}, {"NRSV", "NRSV"}, {"NRSVA", "NRSV"}, {"Luther", "German"},
        {"Synodal", "Synodal"}, {"Vulg", "Vulg"}, {"MT", "Leningrad"}, {"Segond", "Segond"},
    };
    for (const auto& [system, best] : cases)
        EXPECT_EQ(best_versification(counts_of(BibleFrame(system))), best) << system;
    // The NRSV counts with Revelation 12 and 3 John of the KJV.
    VerseCounts counts = counts_of(BibleFrame("NRSV"));
    counts[65][11] = 17;
    counts[63][0] = 14;
    EXPECT_EQ(best_versification(counts), "KJV");
    EXPECT_EQ(BibleFrame(counts).versification(), "KJV");
    EXPECT_EQ(BibleFrame("Unbekannt").versification(), "KJV");
}

TEST(BookBibleSource, ReadsTheTableAsItIsNumbered)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bibel.mdb");
    ASSERT_TRUE(sqlite_exec(path, bible_schema + QStringList{
                                          "INSERT INTO texte VALUES (1, 2, 1, 'Zwei eins')",
                                          "INSERT INTO texte VALUES (1, 1, 2, NULL)",
                                          "INSERT INTO texte VALUES (1, 1, 1, 'Eins eins')",
                                          "INSERT INTO texte VALUES (1, 1, 3, 'Eins drei')",
                                          "INSERT INTO texte VALUES (3, 1, 1, 'Levitikus')"}));
    auto db = OpenDatabase(path);
    auto texte = db->OpenRecordset("texte");
    texte->setIndex("book");
    BookBibleSource source(*texte);
    EXPECT_EQ(source.chapter(1, 1),
              (std::vector<SourceVerse>{{1, "Eins eins", ""}, {2, "", ""}, {3, "Eins drei", ""}}));
    EXPECT_EQ(source.chapter(1, 2), (std::vector<SourceVerse>{{1, "Zwei eins", ""}}));
    EXPECT_TRUE(source.chapter(1, 3).empty());
    EXPECT_TRUE(source.chapter(2, 1).empty());
    EXPECT_EQ(source.verse_text(1, 1, 3), "Eins drei");
    EXPECT_EQ(source.verse_text(1, 1, 4), "");
    EXPECT_TRUE(source.has_book(1));
    EXPECT_FALSE(source.has_book(2));
    EXPECT_TRUE(source.has_book(3));
    EXPECT_EQ(source.chapter_count(1), 2);
    EXPECT_EQ(source.chapter_count(2), 0);
    EXPECT_EQ(source.frame().verse_count(1, 1), 3);
    EXPECT_EQ(source.frame().verse_count(3, 1), 1);
    EXPECT_EQ(source.name(), "Buch");
}

TEST(BookBibleSource, TheDemoBibleIsNumberedAsTheNrsv)
{
    auto db = OpenDatabase(SELUNAR_DATA_DIR "elberfelderbibel.mdb");
    auto texte = db->OpenRecordset("texte");
    texte->setIndex("book");
    BookBibleSource source(*texte);
    EXPECT_EQ(source.frame().versification(), "NRSV");
    EXPECT_EQ(source.frame().chapter_count(19), 150);
    EXPECT_EQ(source.frame().verse_count(64, 1), 15);
    EXPECT_EQ(source.frame().verse_count(66, 12), 18);
}

namespace {

std::vector<SourceVerse> first_verses(BibleSource& source, int book, int chap, std::size_t count)
{
    std::vector<SourceVerse> verses = source.chapter(book, chap);
    verses.resize(std::min(verses.size(), count));
    return verses;
}

} // namespace

TEST(SwordBibleSource, RealModulesInTheFrameOfTheDemoBible)
{
    const SwordTestFolder folder;
    const SwordLibrary library(folder.path());
    const BibleFrame frame("NRSV");
    const auto kjv = library.open("engKJV2006eb", frame);
    const auto web = library.open("engWEB2015eb", frame);
    const auto elberfelder = library.open("GerElb1905", frame);
    // Psalm 23: the superscription is a heading where the module marks it so.
    EXPECT_EQ(first_verses(*kjv, 19, 23, 2),
              (std::vector<SourceVerse>{
                  {1, "The LORD is my shepherd; I shall not want.", "A Psalm of David."},
                  {2, "He maketh me to lie down in green pastures: he leadeth me beside the still waters.", ""}}));
    EXPECT_EQ(first_verses(*web, 19, 23, 1),
              (std::vector<SourceVerse>{{1, "Yahweh is my shepherd; I shall lack nothing.", "A Psalm by David."}}));
    EXPECT_EQ(first_verses(*elberfelder, 19, 23, 1),
              (std::vector<SourceVerse>{
                  {1, "Ein Psalm von David. Jehova ist mein Hirte, mir wird nichts mangeln.", ""}}));
    for (BibleSource* source : {kjv.get(), web.get(), elberfelder.get()})
        EXPECT_EQ(source->chapter(19, 23).size(), 6u) << source->name().toStdString();
    // A footnote between two words leaves them apart.
    EXPECT_EQ(web->verse_text(43, 3, 16), "For God so loved the world, that he gave his only born Son, that whoever "
                                          "believes in him should not perish, but have eternal life.");
    // KJV's Revelation 13,1 is the NRSV's 12,18; its 3 John ends at verse 14.
    EXPECT_TRUE(kjv->verse_text(66, 12, 18).startsWith("And I stood upon the sand of the sea,"));
    EXPECT_EQ(kjv->chapter(66, 13).front().number, 2);
    EXPECT_EQ(kjv->chapter(64, 1).back().number, 14);
    // The Elberfelder module leaves NRSV 12,18 empty.
    EXPECT_EQ(elberfelder->chapter(66, 12).back().number, 17);
    // No markup, entity or Strong's number in any verse of these chapters.
    static const QRegularExpression markup("[<>&]|\\b[HG]\\d{3,4}\\b|strong:");
    for (BibleSource* source : {kjv.get(), web.get(), elberfelder.get()})
        for (const auto& [book, chap] : {std::pair{1, 1}, {19, 119}, {40, 1}, {43, 3}, {66, 22}})
            for (const SourceVerse& verse : source->chapter(book, chap))
                EXPECT_FALSE(markup.match(verse.text + verse.heading).hasMatch())
                    << source->name().toStdString() << " " << book << "_" << chap << "_" << verse.number << ": "
                    << verse.text.toStdString();
}

TEST(SwordBibleSource, ABookTheModuleLacksIsSaid)
{
    const SwordTestFolder folder;
    const QString new_testament = folder.copy_module("engKJV2006eb", "NurNT");
    for (const char* name : {"/ot.bzs", "/ot.bzv", "/ot.bzz"})
        ASSERT_TRUE(QFile::remove(new_testament + name));
    const SwordLibrary library(folder.path());
    const auto source = library.open("NurNT", BibleFrame("NRSV"));
    EXPECT_FALSE(source->has_book(1));
    EXPECT_FALSE(source->has_book(39));
    EXPECT_TRUE(source->has_book(40));
    EXPECT_EQ(source->chapter_count(1), 0);
    EXPECT_EQ(source->chapter_count(43), 21);
    EXPECT_TRUE(source->chapter(1, 1).empty());
    EXPECT_EQ(source->chapter(43, 3).size(), 36u);
}
