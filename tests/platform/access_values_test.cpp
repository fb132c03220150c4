#include "access_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(AccessDateText, DatesAtMidnightHaveNoTime)
{
    EXPECT_EQ(access_date_text(45292.0), "2024-01-01");
    EXPECT_EQ(access_date_text(45651.0), "2024-12-25");
    EXPECT_EQ(access_date_text(0.0), "1899-12-30");
    // 1900 was no leap year (unlike in some spreadsheets).
    EXPECT_EQ(access_date_text(60.0), "1900-02-28");
    EXPECT_EQ(access_date_text(61.0), "1900-03-01");
}

TEST(AccessDateText, TimeOfDayIsRoundedToTheSecond)
{
    EXPECT_EQ(access_date_text(45382.2710069444), "2024-03-31 06:30:15");
    EXPECT_EQ(access_date_text(45382.5), "2024-03-31 12:00:00");
    EXPECT_EQ(access_date_text(45382.0 + 1.0 / 86400), "2024-03-31 00:00:01");
    EXPECT_EQ(access_date_text(45382.0 + 0.4 / 86400), "2024-03-31");
    // A hair before midnight is the next day.
    EXPECT_EQ(access_date_text(45382.9999999), "2024-04-01");
}

TEST(AccessDateText, BeforeThe1899EpochTheTimeStillCountsForward)
{
    EXPECT_EQ(access_date_text(-1.0), "1899-12-29");
    EXPECT_EQ(access_date_text(-1.25), "1899-12-29 06:00:00");
    EXPECT_EQ(access_date_text(-0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(access_date_text(-1.9999999), "1899-12-28");
    EXPECT_EQ(access_date_text(-36522.0), "1800-01-01");
}

TEST(AccessDateText, OutsideAccessRangeThereIsNoDate)
{
    EXPECT_EQ(access_date_text(-657434.0), "0100-01-01");
    EXPECT_EQ(access_date_text(2958465.0 + 86398.0 / 86400), "9999-12-31 23:59:58");
    EXPECT_FALSE(access_date_text(-657435.0));
    EXPECT_FALSE(access_date_text(2958466.0));
    EXPECT_FALSE(access_date_text(1e300));
    EXPECT_FALSE(access_date_text(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(access_date_text(-std::numeric_limits<double>::infinity()));
}

TEST(SingleAsDouble, KeepsTheDecimalTheUserTyped)
{
    EXPECT_EQ(single_as_double(0.1f), 0.1);
    EXPECT_EQ(single_as_double(-1234.56f), -1234.56);
    EXPECT_EQ(single_as_double(1.5f), 1.5);
    EXPECT_EQ(single_as_double(3.4028235e38f), 3.4028235e38);
    EXPECT_TRUE(std::isinf(single_as_double(std::numeric_limits<float>::infinity())));
}
