// SPDX-License-Identifier: GPL-2.0-or-later
#include "dates.h"
#include "day_reference.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(GermanDates, LongMessageListAndShortForms)
{
    EXPECT_EQ(format_long_date(QDate(2024, 1, 1)), u"Montag, 1. Januar 2024"_qs);
    EXPECT_EQ(format_long_date(QDate(2024, 3, 5)), u"Dienstag, 5. März 2024"_qs);
    EXPECT_EQ(format_long_date(QDate(2024, 12, 29)), u"Sonntag, 29. Dezember 2024"_qs);
    EXPECT_EQ(format_message_date(QDate(2023, 3, 31)), u"31. März 2023"_qs);
    EXPECT_EQ(format_list_date(QDate(2024, 3, 5)), u"05.03.24"_qs);
    EXPECT_EQ(format_short_date(QDate(2024, 3, 5)), u"05.03.2024"_qs);
    EXPECT_EQ(day_reference(book_title(2025), QDate(2025, 3, 5)), u"Selunar 2025, Mittwoch, 5. März 2025"_qs);
}

TEST(ReadUserDate, UsualGermanFormsTwoDigitYearsSplitAtThirty)
{
    const std::pair<const char*, std::optional<QDate>> cases[] = {
        {"5.3.2024", QDate(2024, 3, 5)}, {"05.03.24", QDate(2024, 3, 5)}, {"  5.3.2024 ", QDate(2024, 3, 5)},
        {"5/3/2024", QDate(2024, 3, 5)}, {"5-3-24", QDate(2024, 3, 5)},   {"29.2.24", QDate(2024, 2, 29)},
        {"1.1.00", QDate(2000, 1, 1)},   {"1.1.29", QDate(2029, 1, 1)},   {"1.1.30", QDate(1930, 1, 1)},
        {"1.1.99", QDate(1999, 1, 1)},
        {"", {}}, {"heute", {}}, {"31.02.2024", {}}, {"1.13.2024", {}}, {"0.1.2024", {}}, {"5.3", {}},
        {"5.3.124", {}}, {"5.3.2024x", {}}, {"5.3/2024", {}}, {"5..2024", {}}, {"29.2.23", {}},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(read_user_date(QString::fromLatin1(text)), date) << text;
}

TEST(ReadDateField, BlanksAroundSeparatorsAndTheBooksYearWhenLeftOut)
{
    const std::tuple<const char*, int, std::optional<QDate>> cases[] = {
        {" 24. 12. 2024 ", 2024, QDate(2024, 12, 24)}, {"24 . 12 . 24", 2024, QDate(2024, 12, 24)},
        {"24.12.", 2024, QDate(2024, 12, 24)},          {"24.12", 2023, QDate(2023, 12, 24)},
        {" 5/3/ ", 2024, QDate(2024, 3, 5)},            {"29.2.", 2024, QDate(2024, 2, 29)},
        {"29.2.", 2023, {}}, {"24.12/2024", 2024, {}}, {"24 12 2024", 2024, {}}, {"24.12.-", 2024, {}},
        {".12.", 2024, {}},  {"2 4.12.", 2024, {}},    {"24.12.2024x", 2024, {}}, {"", 2024, {}},
    };
    for (const auto& [text, year, date] : cases)
        EXPECT_EQ(read_date_field(QString::fromLatin1(text), year), date) << text;
}

TEST(DateOf, ReadsDatabaseDateValues)
{
    EXPECT_EQ(date_of(QDateTime(QDate(2024, 3, 5), QTime(23, 59), Qt::UTC)), QDate(2024, 3, 5));
    EXPECT_EQ(date_of(QDate(2024, 3, 5)), QDate(2024, 3, 5));
    EXPECT_EQ(date_of(u"2024-03-05"_qs), QDate(2024, 3, 5));
    EXPECT_FALSE(date_of(QVariant()).isValid());
    EXPECT_FALSE(date_of(u"kein Datum"_qs).isValid());
    EXPECT_FALSE(date_of(qint64(45000)).isValid());
    // Found by fuzzing: other punctuation than "-" between the parts read as a date.
    EXPECT_EQ(date_of(u"2024-03-05 10:00:00"_qs), QDate(2024, 3, 5));
    EXPECT_FALSE(date_of(u"2024/03/05"_qs).isValid());
    EXPECT_FALSE(date_of(u"0503.03/24"_qs).isValid());
}
