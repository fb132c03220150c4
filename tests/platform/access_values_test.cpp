#include "access_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(AccessDateText, MidnightHasNoTimeAndTheTimeIsRoundedToTheSecond)
{
    const std::pair<double, const char*> cases[] = {
        {45292.0, "2024-01-01"}, {0.0, "1899-12-30"},
        // 1900 was no leap year (unlike in some spreadsheets).
        {60.0, "1900-02-28"}, {61.0, "1900-03-01"},
        {45382.2710069444, "2024-03-31 06:30:15"}, {45382.0 + 0.4 / 86400, "2024-03-31"},
        // A hair before midnight is the next day.
        {45382.9999999, "2024-04-01"},
        // Before the 1899 epoch the time still counts forward.
        {-1.0, "1899-12-29"}, {-1.25, "1899-12-29 06:00:00"}, {-1.9999999, "1899-12-28"},
    };
    for (const auto& [days, text] : cases)
        EXPECT_EQ(access_date_text(days), text) << days;
}

TEST(AccessDateText, OutsideAccessRangeThereIsNoDate)
{
    EXPECT_EQ(access_date_text(-657434.0), "0100-01-01");
    EXPECT_EQ(access_date_text(2958465.0 + 86398.0 / 86400), "9999-12-31 23:59:58");
    EXPECT_FALSE(access_date_text(-657435.0));
    EXPECT_FALSE(access_date_text(2958466.0));
    EXPECT_FALSE(access_date_text(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(access_date_text(-std::numeric_limits<double>::infinity()));
}

TEST(SingleAsDouble, KeepsTheDecimalTheUserTyped)
{
    EXPECT_EQ(single_as_double(0.1f), 0.1);
    EXPECT_EQ(single_as_double(-1234.56f), -1234.56);
    EXPECT_EQ(single_as_double(3.4028235e38f), 3.4028235e38);
    EXPECT_TRUE(std::isinf(single_as_double(std::numeric_limits<float>::infinity())));
}

namespace {

std::string jet4_text(std::string_view stored)
{
    std::string text = "left over";
    jet4_text_to_utf8(stored, text);
    return text;
}

}  // namespace

TEST(Jet4Text, ReadsUtf16LittleEndian)
{
    EXPECT_EQ(jet4_text(std::string_view("G\0\xFC\0\xDF\0e\0", 8)), "Güße");
    EXPECT_EQ(jet4_text(std::string_view("\xAC\x20\x1E\x20\x1C\x20", 6)), "€„“");
    EXPECT_EQ(jet4_text({}), "");
    // An odd last byte is dropped.
    EXPECT_EQ(jet4_text(std::string_view("a\0b", 3)), "a");
}

TEST(Jet4Text, ReadsCompressedRunsOfOneAndTwoByteCharacters)
{
    EXPECT_EQ(jet4_text(std::string_view("\xFF\xFE" "Fu\xDF", 5)), "Fuß");
    // "Preis: " one-byte, then "€ " two-byte, then "5" one-byte again.
    EXPECT_EQ(jet4_text(std::string_view("\xFF\xFE" "Preis: \0\xAC\x20 \0\0" "5", 16)), "Preis: € 5");
    EXPECT_EQ(jet4_text(std::string_view("\xFF\xFE\0\xAC", 4)), "");
}

TEST(Jet4Text, PairsSurrogatesAndReplacesLoneOnes)
{
    EXPECT_EQ(jet4_text(std::string_view("\x3D\xD8\x4F\xDE", 4)), "\U0001F64F");
    EXPECT_EQ(jet4_text(std::string_view("\x3D\xD8" "a\0", 4)), "\uFFFDa");
    EXPECT_EQ(jet4_text(std::string_view("a\0\x3D\xD8", 4)), "a\uFFFD");
}
