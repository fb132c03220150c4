#include "bible_position.h"

#include <gtest/gtest.h>

namespace {

BiblePosition position_of(const QString& bcv)
{
    BiblePosition p{-1, -1, -1};
    setactbcv(bcv, p.book, p.chap, p.verse);
    return p;
}

// 66 books; Genesis has 50 chapters, the Psalms 150, Revelation 22.
Buecher bible_books()
{
    Buecher buecher(67);
    for (int n = 1; n <= 66; ++n)
        buecher[n] = {u"Buch %1"_qs.arg(n), 10, n};
    buecher[1].maxkapitel = 50;
    buecher[19].maxkapitel = 150;
    buecher[66].maxkapitel = 22;
    return buecher;
}

} // namespace

TEST(Setactbcv, ReadsTheFirstVerseOfTheFirstReference)
{
    EXPECT_EQ(position_of(u"1_1_0"_qs), (BiblePosition{1, 1, 0}));
    EXPECT_EQ(position_of(u"43_3_16"_qs), (BiblePosition{43, 3, 16}));
    EXPECT_EQ(position_of(u"43_3_16-18"_qs), (BiblePosition{43, 3, 16}));
    EXPECT_EQ(position_of(u"19_23_1/19_24_1"_qs), (BiblePosition{19, 23, 1}));
    EXPECT_EQ(position_of(u"1_2,4-3,7"_qs), (BiblePosition{1, 2, 4}));
    EXPECT_EQ(position_of(u"1_2,4-3,7/43_3_16"_qs), (BiblePosition{1, 2, 4}));
    EXPECT_EQ(position_of(u"43_3_16/1_2,4-3,7"_qs), (BiblePosition{43, 3, 16}));
}

TEST(Setactbcv, MalformedKeysReadAsZerosWithoutFailing)
{
    EXPECT_EQ(position_of(QString()), (BiblePosition{0, 0, 0}));
    EXPECT_EQ(position_of(u"Joh 3,16"_qs), (BiblePosition{0, 0, 0}));
    EXPECT_EQ(position_of(u"43_x_16"_qs), (BiblePosition{43, 0, 16}));
    EXPECT_EQ(position_of(u"43_3"_qs), (BiblePosition{43, 3, 0}));
}

TEST(WellformedBcv, AcceptsEveryKeyForm)
{
    for (const char* key : {"1_1_0", "43_3_16", "43_3_16-18", "1_2,4-3,7", "19_23_1/19_24_1",
                            "1_1_3/1_2,4-3,7/2_1_1-2"})
        EXPECT_TRUE(is_wellformed_bcv(QString::fromLatin1(key))) << key;
}

TEST(WellformedBcv, RejectsMissingAndNonNumericParts)
{
    for (const char* key : {"", "Joh 3,16", "43", "43_3", "43__16", "43_3_", "43_x_16", "43_3_16-",
                            "43_3_-16", "43_3_16-18-20", "43_3_16_1", "1_2,4-3", "1_2,4-,7", "1_2-3",
                            "-1_1_1", " 1_1_1", "1_1_1;1_1_2", "43_3_16/", "43_3_16//1_1_1", "/43_3_16",
                            "1_1_1/abc", "1_1_1234567890"})
        EXPECT_FALSE(is_wellformed_bcv(QString::fromLatin1(key))) << key;
}

TEST(ShowablePosition, WellformedKeysInsideTheBible)
{
    const Buecher buecher = bible_books();
    EXPECT_EQ(showable_position(u"1_1_0"_qs, buecher), (BiblePosition{1, 1, 0}));
    EXPECT_EQ(showable_position(u"1_50_26"_qs, buecher), (BiblePosition{1, 50, 26}));
    EXPECT_EQ(showable_position(u"19_119_1-8/19_119,170-120,2"_qs, buecher), (BiblePosition{19, 119, 1}));
    EXPECT_EQ(showable_position(u"66_22_21"_qs, buecher), (BiblePosition{66, 22, 21}));
}

TEST(ShowablePosition, RefusesBooksAndChaptersOutsideTheBible)
{
    Buecher buecher = bible_books();
    buecher.resize(68);
    buecher[67] = {u"Anhang"_qs, 1, 67};
    for (const char* key : {"0_1_1", "67_1_1", "1_0_1", "1_51_1", "19_151_1", "1_1", "", "x_1_1"})
        EXPECT_EQ(showable_position(QString::fromLatin1(key), buecher), std::nullopt) << key;
}

TEST(ShowablePosition, RefusesBooksTheTableDoesNotHold)
{
    Buecher short_table(3);
    short_table[1] = {u"1. Mose"_qs, 50, 1};
    EXPECT_EQ(showable_position(u"2_1_1"_qs, short_table), std::nullopt);
    EXPECT_EQ(showable_position(u"5_1_1"_qs, short_table), std::nullopt);
    EXPECT_EQ(showable_position(u"1_1_1"_qs, short_table), (BiblePosition{1, 1, 1}));

    short_table[1].maxkapitel = QVariant();
    EXPECT_EQ(showable_position(u"1_1_1"_qs, short_table), std::nullopt);
}

TEST(VerseAnchor, IsVFollowedByTheNumber)
{
    EXPECT_EQ(verse_anchor(7), u"v7"_qs);
    EXPECT_EQ(verse_anchor(176), u"v176"_qs);
}
