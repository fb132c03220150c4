// Reference texts and bcv keys of the generator: each form of the key
// grammar with its German text, and the verse texts a reference yields.

#include "bcv_key_parser.h"
#include "references.h"

#include <gtest/gtest.h>

namespace {

// Book 1 with chapters of 3 and 2 verses; verse 1:2 has no text.
BibleText small_bible()
{
    return BibleText({{1, 1, 1, "a"}, {1, 1, 2, std::nullopt}, {1, 1, 3, "c"},
                      {1, 2, 1, "d"}, {1, 2, 2, "e"}});
}

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
        EXPECT_FALSE(parse_bcv_key(bcv_key(c.reference)).empty()) << c.key;
    }
}

TEST(References, SeveralReferencesJoinTextsWithSemicolonBlankAndKeysWithSemicolon)
{
    const std::vector<Reference> refs = {{{single_verse(19, 23, 1)}}, {{verse_range(43, 10, 11, 12)}}};
    EXPECT_EQ(references_text(refs), "Psalm 23,1; Johannes 10,11-12");
    EXPECT_EQ(references_key(refs), "19_23_1;43_10_11-12");
}

TEST(References, VerseTextsFollowTheReferenceAndSkipVersesWithoutText)
{
    const BibleText bible = small_bible();
    EXPECT_EQ(reference_verse_texts({{chapter_span(1, 1, 1, 2, 1)}}, bible),
              QStringList({"a", "c", "d"}));
    EXPECT_EQ(reference_verse_texts({{whole_chapter(1, 2)}}, bible), QStringList({"d", "e"}));
    EXPECT_EQ(reference_verse_texts({{single_verse(1, 1, 3), single_verse(1, 1, 1)}}, bible),
              QStringList({"c", "a"}));
}

TEST(References, ExistenceNeedsEveryNamedVerseAndAForwardRange)
{
    const BibleText bible = small_bible();
    EXPECT_TRUE(reference_exists({{chapter_span(1, 1, 3, 2, 2)}}, bible));
    EXPECT_FALSE(reference_exists({{single_verse(1, 1, 4)}}, bible));
    EXPECT_FALSE(reference_exists({{single_verse(2, 1, 1)}}, bible));
    EXPECT_FALSE(reference_exists({{verse_range(1, 1, 3, 2)}}, bible));
    EXPECT_FALSE(reference_exists({{chapter_span(1, 2, 1, 1, 3)}}, bible));
    EXPECT_FALSE(reference_exists({}, bible));
}

TEST(References, TheTestsKeyReaderRejectsMalformedKeys)
{
    for (const char* key : {"", "1_1", "1_1_", "a_1_1", "1_1_1-", "1_1,2-3", "1_1_1;1_1_2", "1_1_1//1_1_2"})
        EXPECT_TRUE(parse_bcv_key(key).empty()) << key;
}

} // namespace
