// SPDX-License-Identifier: GPL-2.0-or-later
#include "verse_reference.h"

#include <gtest/gtest.h>

TEST(VerseReference, NamesAnchorsAndCoveredVerses)
{
    EXPECT_EQ(bible_reference(u"Psalm"_qs, 23, 1, 3), u"Psalm 23,1-3"_qs);
    EXPECT_EQ(bible_reference(u"Psalm"_qs, 23, 1, 1), u"Psalm 23,1"_qs);
    EXPECT_EQ(bible_reference(u"1. Mose"_qs, 1, 0, 0), u"1. Mose 1"_qs);

    const std::pair<const char*, std::optional<int>> anchors[] = {
        {"v7", 7}, {"v150", 150}, {"v", {}}, {"v07", {}}, {"x7", {}}, {"v7a", {}}, {"v-1", {}}, {"v+1", {}}, {"", {}},
    };
    for (const auto& [name, verse] : anchors)
        EXPECT_EQ(verse_of_anchor(QString::fromLatin1(name)), verse) << name;

    // Verses 1, 2, 3 begin at 10, 20, 30; the heading lies before 10.
    const std::vector<VerseMark> marks{{10, 1}, {20, 2}, {30, 3}};
    const std::tuple<int, int, std::optional<VerseSpan>> selections[] = {
        {12, 15, VerseSpan{1, 1}}, {15, 35, VerseSpan{1, 3}}, {20, 30, VerseSpan{2, 2}}, {0, 21, VerseSpan{1, 2}},
        {31, 40, VerseSpan{3, 3}}, {0, 10, {}},
    };
    for (const auto& [start, end, span] : selections)
        EXPECT_EQ(covered_verses(marks, start, end), span) << start << ".." << end;
    EXPECT_EQ(covered_verses({}, 0, 100), std::nullopt);
}
