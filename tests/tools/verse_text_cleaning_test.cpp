// SPDX-License-Identifier: GPL-2.0-or-later
// Turning a raw OSIS verse entry into plain verse text: the cut elements must
// neither glue words together nor leave blanks before punctuation, and the
// remaining markup must go without a trace. The entries are shaped like those
// of the Elberfelder module and of Debian's English modules.

#include "sword_bible.h"

#include <gtest/gtest.h>

namespace {

TEST(VerseTextCleaning, CutElementsNeitherGlueWordsNorLeaveBlanksOtherMarkupGoes)
{
    // A null plain text: the verse has no text.
    const std::pair<const char*, const char*> cases[] = {
        {"In the beginning, God<note placement=\"foot\"><reference>1:1 </reference>The Hebrew word rendered "
         "\xE2\x80\x9CGod\xE2\x80\x9D is Elohim.</note>created the heavens.",
         "In the beginning, God created the heavens."},
        {"the Lord Jesus Christ:<note>x</note>Grace to you", "the Lord Jesus Christ: Grace to you"},
        {"mercy, and not sacrifice,\xE2\x80\x99<note>x</note>for I came", "mercy, and not sacrifice,\xE2\x80\x99 for I came"},
        {"he said<note>x</note>\xE2\x80\x9C" "Come", "he said \xE2\x80\x9C" "Come"},
        {"twenty gerahs<note>x</note>); half a shekel", "twenty gerahs); half a shekel"},
        {"incomprehensible<note>x</note>?\xE2\x80\x9D", "incomprehensible?\xE2\x80\x9D"},
        {"<note>x</note>Who can find a worthy woman?<note>y</note>", "Who can find a worthy woman?"},
        {"He said<note type=\"x\">TR adds <rdg type=\"alternate\">Philip said.</rdg></note> yes.", "He said yes."},
        {"one<note n=\"a\"/>two", "one two"},
        {"<title canonical=\"true\" type=\"psalm\">A Psalm by David.</title> Yahweh is my shepherd;",
         "Yahweh is my shepherd;"},
        {"that we may gaze at you.<speaker>Lover</speaker>Why do you desire", "that we may gaze at you. Why do you desire"},
        // What follows the end of the chapter is the module's glossary.
        {"be with all the saints. Amen.  <chapter eID=\"Rev.22\"/> <div type=\"glossary\"/> The following words",
         "be with all the saints. Amen."},
        {"<chapter osisID=\"Ps.1\" sID=\"Ps.1\"/>Blessed is the man", "Blessed is the man"},
        // The milestones at the end of a chapter and of a book, and the blanks before them.
        {"der sechste Tag.  <chapter eID=\"Gen.1\"/> <div eID=\"gen3\" type=\"x-p\"/>", "der sechste Tag."},
        {"in eine Lade in \xC3\x84gypten.  <chapter eID=\"Gen.50\"/> <div eID=\"gen52\" type=\"x-p\"/> "
         "<div canonical=\"true\" eID=\"gen2\" osisID=\"Gen\" type=\"book\"/>",
         "in eine Lade in \xC3\x84gypten."},
        // Notes of another numbering, at the start or inside.
        {"(H5:20) Und Jehova redete zu Mose", "Und Jehova redete zu Mose"},
        {"und sprach: (H30:2) Dies ist es", "und sprach: Dies ist es"},
        {"(G13:13) Die Gnade des Herrn", "Die Gnade des Herrn"},
        // A psalm's superscription that is plain text stays part of verse 1.
        {" Ein Psalm von David. Jehova ist mein Hirte, mir wird nichts mangeln. ",
         "Ein Psalm von David. Jehova ist mein Hirte, mir wird nichts mangeln."},
        // Element names match wholly.
        {"a <notebook>b</notebook> c <titles>d</titles>", "a b c d"},
        {"<w lemma=\"strong:H0430\">In</w> <w lemma=\"strong:H0853\">the</w> beginning, "
         "<q marker=\"\" who=\"Jesus\">For <w lemma=\"strong:G2316\">God</w> so</q> loved",
         "In the beginning, For God so loved"},
        {"Tom &amp; Jerry &lt;3&gt; &quot;x&quot; &apos;y&apos; &unknown;", "Tom & Jerry <3> \"x\" 'y' &unknown;"},
        // Line and paragraph elements become single blanks.
        {"shepherd;<l eID=\"a\" level=\"1\"/><l level=\"2\" sID=\"b\"/>I shall", "shepherd; I shall"},
        {"end<lb/>start<div type=\"x-p\" sID=\"c\"/>next<milestone type=\"x\"/>last", "end start next last"},
        {"<lg sID=\"g\"/> <l sID=\"h\"/>Blessed<l eID=\"h\"/> <lg eID=\"g\"/>", "Blessed"},
        {"<note>TR adds a verse.</note>", nullptr},
        {" <chapter eID=\"Rev.12\"/> <div eID=\"gen1246\" type=\"x-p\"/>", nullptr},
        {"   ", nullptr},
    };
    for (const auto& [raw, plain] : cases)
        EXPECT_EQ(finish_verse_text(osis_to_plain(cut_non_verse_elements(raw))),
                  plain ? std::optional(QString::fromUtf8(plain)) : std::nullopt)
            << raw;
    EXPECT_EQ(finish_verse_text("  Yahweh is my shepherd;\nI shall lack nothing. \n\n"),
              "Yahweh is my shepherd; I shall lack nothing.");
}

} // namespace
