// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_position.h"

#include <gtest/gtest.h>

TEST(Setactbcv, ReadsTheFirstVerseOfTheFirstReferenceAndMalformedPartsAsZero)
{
    const std::pair<const char*, BiblePosition> cases[] = {
        {"1_1_0", {1, 1, 0}},          {"43_3_16-18", {43, 3, 16}},        {"19_23_1/19_24_1", {19, 23, 1}},
        {"1_2,4-3,7", {1, 2, 4}},      {"43_3_16/1_2,4-3,7", {43, 3, 16}}, {"", {0, 0, 0}},
        {"Joh 3,16", {0, 0, 0}},       {"43_x_16", {43, 0, 16}},           {"43_3", {43, 3, 0}},
    };
    for (const auto& [key, expected] : cases) {
        BiblePosition p{-1, -1, -1};
        setactbcv(QString::fromLatin1(key), p.book, p.chap, p.verse);
        EXPECT_EQ(p, expected) << key;
    }
}

TEST(WellformedBcv, EveryPartMustBeAnUnsignedNumber)
{
    for (const char* key : {"1_1_0", "43_3_16", "43_3_16-18", "1_2,4-3,7", "1_1_3/1_2,4-3,7/2_1_1-2"})
        EXPECT_TRUE(is_wellformed_bcv(QString::fromLatin1(key))) << key;
    for (const char* key : {"", "Joh 3,16", "43", "43_3", "43__16", "43_3_", "43_x_16", "43_3_16-",
                            "43_3_-16", "43_3_16-18-20", "43_3_16_1", "1_2,4-3", "1_2,4-,7", "1_2-3",
                            "-1_1_1", " 1_1_1", "1_1_1;1_1_2", "43_3_16/", "43_3_16//1_1_1", "/43_3_16",
                            "1_1_1/abc", "1_1_1234567890"})
        EXPECT_FALSE(is_wellformed_bcv(QString::fromLatin1(key))) << key;
}

TEST(ShowablePosition, OnlyWellformedKeysInsideTheBooksAndChaptersOfTheTable)
{
    // 66 books of 10 chapters; Genesis has 50, the Psalms 150, Revelation
    // 22; a 67th book the table holds lies outside the Bible.
    Buecher buecher(68);
    for (int n = 1; n <= 67; ++n)
        buecher[n] = {u"Buch %1"_qs.arg(n), 10, n};
    buecher[1].maxkapitel = 50;
    buecher[19].maxkapitel = 150;
    buecher[66].maxkapitel = 22;
    const std::pair<const char*, std::optional<BiblePosition>> cases[] = {
        {"1_1_0", BiblePosition{1, 1, 0}},   {"1_50_26", BiblePosition{1, 50, 26}},
        {"66_22_21", BiblePosition{66, 22, 21}},
        {"19_119_1-8/19_119,170-120,2", BiblePosition{19, 119, 1}},
        {"0_1_1", {}}, {"67_1_1", {}}, {"1_0_1", {}}, {"1_51_1", {}}, {"19_151_1", {}}, {"1_1", {}}, {"", {}},
        {"x_1_1", {}},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(showable_position(QString::fromLatin1(key), buecher), expected) << key;

    // A table that holds fewer books, or no chapter count.
    Buecher short_table(3);
    short_table[1] = {u"1. Mose"_qs, 50, 1};
    EXPECT_EQ(showable_position(u"1_1_1"_qs, short_table), (BiblePosition{1, 1, 1}));
    EXPECT_EQ(showable_position(u"2_1_1"_qs, short_table), std::nullopt);
    EXPECT_EQ(showable_position(u"5_1_1"_qs, short_table), std::nullopt);
    short_table[1].maxkapitel = QVariant();
    EXPECT_EQ(showable_position(u"1_1_1"_qs, short_table), std::nullopt);
}
