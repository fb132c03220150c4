// SPDX-License-Identifier: GPL-2.0-or-later
// Reference texts and bcv keys of the generator: each form of the key
// grammar with its German text, and the verse texts a reference yields.

#include "references.h"

#include <gtest/gtest.h>

namespace {

TEST(References, EveryFormHasItsKeyAndGermanText)
{
    struct Case {
        Reference reference;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {{{single_verse(19, 23, 1)}}, "19_23_1", "Psalm 23,1"},
        {{{verse_range(43, 3, 16, 17)}}, "43_3_16-17", "Johannes 3,16-17"},
        {{{chapter_span(1, 2, 4, 3, 7)}}, "1_2,4-3,7", "1. Mose 2,4-3,7"},
        {{{whole_chapter(19, 23)}}, "19_23_0", "Psalm 23"},
        {{{single_verse(23, 40, 29), single_verse(23, 40, 31)}}, "23_40_29/23_40_31", "Jesaja 40,29.31"},
        {{{verse_range(45, 8, 28, 29), single_verse(45, 8, 31)}}, "45_8_28-29/45_8_31", "Römer 8,28-29.31"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bcv_key(c.reference), c.key);
        EXPECT_EQ(reference_text(c.reference), QString(c.text));
    }
    const std::vector<Reference> both = {cases[0].reference, {{verse_range(43, 10, 11, 12)}}};
    EXPECT_EQ(references_text(both), "Psalm 23,1; Johannes 10,11-12");
    EXPECT_EQ(references_key(both), "19_23_1;43_10_11-12");
}

TEST(References, VerseTextsFollowTheReferenceSkipVersesWithoutTextAndNeedAForwardRange)
{
    // Book 1 with chapters of 3 and 2 verses; verse 1:2 has no text.
    const BibleText bible({{1, 1, 1, "a"}, {1, 1, 2, std::nullopt}, {1, 1, 3, "c"}, {1, 2, 1, "d"}, {1, 2, 2, "e"}});
    EXPECT_EQ(reference_verse_texts({{chapter_span(1, 1, 1, 2, 1)}}, bible), QStringList({"a", "c", "d"}));
    EXPECT_EQ(reference_verse_texts({{whole_chapter(1, 2)}}, bible), QStringList({"d", "e"}));
    EXPECT_EQ(reference_verse_texts({{single_verse(1, 1, 3), single_verse(1, 1, 1)}}, bible), QStringList({"c", "a"}));

    EXPECT_TRUE(reference_exists({{chapter_span(1, 1, 3, 2, 2)}}, bible));
    for (const Reference& missing : {Reference{{single_verse(1, 1, 4)}}, Reference{{single_verse(2, 1, 1)}},
                                     Reference{{verse_range(1, 1, 3, 2)}}, Reference{{chapter_span(1, 2, 1, 1, 3)}},
                                     Reference{}})
        EXPECT_FALSE(reference_exists(missing, bible)) << bcv_key(missing).toStdString();
}

} // namespace
