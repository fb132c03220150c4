// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

TEST(AccessDateText, MidnightHasNoTimeAndTheTimeIsRoundedToTheSecond)
{
    const std::pair<double, std::optional<std::string>> cases[] = {
        {45292.0, "2024-01-01"}, {0.0, "1899-12-30"},
        // 1900 was no leap year (unlike in some spreadsheets).
        {60.0, "1900-02-28"}, {61.0, "1900-03-01"},
        {45382.2710069444, "2024-03-31 06:30:15"}, {45382.0 + 0.4 / 86400, "2024-03-31"},
        // A hair before midnight is the next day.
        {45382.9999999, "2024-04-01"},
        // Before the 1899 epoch the time still counts forward.
        {-1.0, "1899-12-29"}, {-1.25, "1899-12-29 06:00:00"}, {-1.9999999, "1899-12-28"},
        // Outside Access's range there is no date.
        {-657434.0, "0100-01-01"}, {2958465.0 + 86398.0 / 86400, "9999-12-31 23:59:58"},
        {-657435.0, std::nullopt}, {2958466.0, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt}, {-std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& [days, text] : cases)
        EXPECT_EQ(access_date_text(days), text) << days;
}

TEST(SingleAsDouble, KeepsTheDecimalTheUserTyped)
{
    EXPECT_EQ(single_as_double(0.1f), 0.1);
    EXPECT_EQ(single_as_double(-1234.56f), -1234.56);
    EXPECT_EQ(single_as_double(3.4028235e38f), 3.4028235e38);
    EXPECT_TRUE(std::isinf(single_as_double(std::numeric_limits<float>::infinity())));
}

TEST(Jet4Text, ReadsUtf16AndCompressedRunsReplacingLoneSurrogates)
{
    const std::pair<std::string_view, const char*> cases[] = {
        {{"G\0\xFC\0\xDF\0e\0", 8}, "Güße"},
        {{"\xAC\x20\x1E\x20\x1C\x20", 6}, "€„“"},
        {{}, ""},
        {{"a\0b", 3}, "a"}, // an odd last byte is dropped
        // Compressed: one-byte runs, "\0" switching to two-byte runs and back.
        {{"\xFF\xFE" "Fu\xDF", 5}, "Fuß"},
        {{"\xFF\xFE" "Preis: \0\xAC\x20 \0\0" "5", 16}, "Preis: € 5"},
        {{"\xFF\xFE\0\xAC", 4}, ""},
        {{"\x3D\xD8\x4F\xDE", 4}, "\U0001F64F"},
        {{"\x3D\xD8" "a\0", 4}, "\uFFFDa"},
        {{"a\0\x3D\xD8", 4}, "a\uFFFD"},
    };
    for (const auto& [stored, expected] : cases) {
        std::string text = "left over";
        jet4_text_to_utf8(stored, text);
        EXPECT_EQ(text, expected) << expected;
    }
}
