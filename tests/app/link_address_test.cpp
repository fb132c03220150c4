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

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrZero)
{
    EXPECT_EQ(leading_number(QStringLiteral("  12|")), 12);
    EXPECT_EQ(leading_number(QStringLiteral("12abc")), 12);
    EXPECT_EQ(leading_number(QStringLiteral("-7")), -7);
    EXPECT_EQ(leading_number(QStringLiteral("1e3")), 1000);
    EXPECT_EQ(leading_number(QStringLiteral("4e")), 4);
    // No number gives zero; one too large for a whole number gives none.
    EXPECT_EQ(leading_number(QString()), 0);
    EXPECT_EQ(leading_number(QStringLiteral("abc")), 0);
    EXPECT_EQ(leading_number(QStringLiteral("-")), 0);
    EXPECT_EQ(leading_number(QStringLiteral("1e300")), std::nullopt);
}

TEST(LeadingNumber, FractionsAreRoundedHalfToEven)
{
    EXPECT_EQ(leading_number(QStringLiteral("12.7")), 13);
    EXPECT_EQ(leading_number(QStringLiteral("12.5")), 12);
    EXPECT_EQ(leading_number(QStringLiteral("13.5")), 14);
    EXPECT_EQ(leading_number(QStringLiteral(".5")), 0);
}

} // namespace
