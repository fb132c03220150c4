// SPDX-License-Identifier: GPL-2.0-or-later
#include "link_address.h"

#include <gtest/gtest.h>

namespace {

TEST(GotoDateText, TextBetweenTheWordAndTheNextBar)
{
    EXPECT_EQ(goto_date_text(QStringLiteral("GOTO05.03.2024|")), QStringLiteral("05.03.2024"));
    EXPECT_EQ(goto_date_text(QStringLiteral("file:///x/GOTO3.1.2024|rest|")), QStringLiteral("3.1.2024"));
    EXPECT_EQ(goto_date_text(QStringLiteral("GOTO|")), QString());
    // Nothing without the word in capitals or the closing bar.
    EXPECT_EQ(goto_date_text(QStringLiteral("goto05.03.2024|")), std::nullopt);
    EXPECT_EQ(goto_date_text(QStringLiteral("GOTO05.03.2024")), std::nullopt);
}

TEST(LeadingNumber, NumberAtTheStartRoundedHalfToEvenOrZero)
{
    const struct {
        const char* text;
        std::optional<qint64> number;
    } cases[] = {{"  12|", 12}, {"12abc", 12}, {"-7", -7}, {"1e3", 1000}, {"4e", 4},
                 {"12.7", 13},  {"12.5", 12},  {"13.5", 14}, {".5", 0},
                 // No number gives zero; one too large for a whole number gives none.
                 {"", 0}, {"abc", 0}, {"-", 0}, {"1e300", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(leading_number(QString::fromUtf8(c.text)), c.number) << c.text;
}

} // namespace
