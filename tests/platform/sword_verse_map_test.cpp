// SPDX-License-Identifier: GPL-2.0-or-later
// Which module verses stand in a chapter of the frame, by libsword's mapping
// between its versification tables.

#include "sword_verse_map.h"

#include <gtest/gtest.h>

void PrintTo(const MappedVerse& m, std::ostream* out)
{
    *out << m.frame_verse << "<-" << m.verse.book << "_" << m.verse.chap << "_" << m.verse.verse;
}

TEST(SwordVerseMap, ModuleVersesLandWhereLibswordMapsThem)
{
    struct Case {
        const char* frame;
        const char* module;
        int book, chap;
        std::size_t count;
        std::vector<MappedVerse> first_two, last_two;
    };
    const Case cases[] = {
        // Revelation 12,18 of the NRSV is the first half of 13,1 in the KJV.
        {"NRSV", "KJV", 66, 12, 18, {{1, {66, 12, 1}}, {2, {66, 12, 2}}}, {{17, {66, 12, 17}}, {18, {66, 13, 1}}}},
        {"NRSV", "KJV", 66, 13, 17, {{2, {66, 13, 2}}, {3, {66, 13, 3}}}, {{17, {66, 13, 17}}, {18, {66, 13, 18}}}},
        {"KJV", "NRSV", 66, 13, 19, {{1, {66, 12, 18}}, {1, {66, 13, 1}}}, {{17, {66, 13, 17}}, {18, {66, 13, 18}}}},
        {"KJV", "NRSV", 66, 12, 17, {{1, {66, 12, 1}}, {2, {66, 12, 2}}}, {{16, {66, 12, 16}}, {17, {66, 12, 17}}}},
        // 3 John has 15 verses in the NRSV, 14 in the KJV.
        {"NRSV", "KJV", 64, 1, 14, {{1, {64, 1, 1}}, {2, {64, 1, 2}}}, {{13, {64, 1, 13}}, {14, {64, 1, 14}}}},
        {"KJV", "NRSV", 64, 1, 15, {{1, {64, 1, 1}}, {2, {64, 1, 2}}}, {{14, {64, 1, 14}}, {15, {64, 1, 15}}}},
        // The Synodal numbering counts the superscription as verse 1 and
        // joins Psalms 9 and 10.
        {"KJV", "Synodal", 19, 9, 21, {{0, {19, 9, 1}}, {1, {19, 9, 2}}}, {{19, {19, 9, 20}}, {20, {19, 9, 21}}}},
        {"KJV", "Synodal", 19, 10, 18, {{1, {19, 9, 22}}, {2, {19, 9, 23}}}, {{17, {19, 9, 38}}, {18, {19, 9, 39}}}},
        {"KJV", "Vulg", 19, 23, 6, {{1, {19, 22, 1}}, {2, {19, 22, 2}}}, {{5, {19, 22, 5}}, {6, {19, 22, 6}}}},
        // KJV and KJVA are one numbering of the 66 books; an unknown one counts as KJV.
        {"KJV", "KJVA", 19, 23, 6, {{1, {19, 23, 1}}, {2, {19, 23, 2}}}, {{5, {19, 23, 5}}, {6, {19, 23, 6}}}},
        {"KJV", "Unbekannt", 43, 3, 36, {{1, {43, 3, 1}}, {2, {43, 3, 2}}}, {{35, {43, 3, 35}}, {36, {43, 3, 36}}}},
        // libsword's German table numbers Malachi 4 as 3,19-24 without a
        // mapping: those verses follow 3,18, and chapter 4 stays empty.
        {"KJV", "German", 39, 3, 24, {{1, {39, 3, 1}}, {2, {39, 3, 2}}}, {{23, {39, 3, 23}}, {24, {39, 3, 24}}}},
        {"KJV", "German", 39, 4, 0, {}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<MappedVerse> mapped = module_verses_in_chapter(c.frame, c.module, c.book, c.chap);
        const auto context = testing::Message() << c.module << " in " << c.frame << " " << c.book << "_" << c.chap;
        ASSERT_EQ(mapped.size(), c.count) << context;
        if (c.count == 0)
            continue;
        EXPECT_EQ(std::vector(mapped.begin(), mapped.begin() + 2), c.first_two) << context;
        EXPECT_EQ(std::vector(mapped.end() - 2, mapped.end()), c.last_two) << context;
    }
}
