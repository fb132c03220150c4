// The reference self-test over a whole year, run twice on a copy of the demo
// data with a few keys that cannot be shown.

#include "data_copy.h"
#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

qsizetype table_openings(const Dump& dump)
{
    return dump.strings("queries").count(u"QOV"_qs);
}

// One test, since a run over the year takes a while.
TEST(SelfTest, TwoRunsOverTheYearReportingKeysThatCannotBeShown)
{
    const DataCopy data;
    data.execute(u"qov.mdb"_qs,
                 u"update QOV set bcv1 = '99_1_1' where Datum = '2024-03-05';"
                 "update QOV set bcv2 = '40_12_1-25;19_999_1' where Datum = '2024-01-14';"
                 "update QOV set bcv1 = '' where Datum = '2024-01-15';"_qs);
    const Session session =
        run_script(u"dump start.json\nselftest\ndump first.json\nselftest\ndump second.json\n"_qs, data.path());
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    // Every day of 2024 once (start-up opened the table once already).
    const qsizetype at_start = table_openings(session.dump(u"start.json"_qs));
    const Dump first = session.dump(u"first.json"_qs);
    EXPECT_EQ(first.text("testdatum"), u"2024-12-31"_qs);
    EXPECT_EQ(table_openings(first) - at_start, 366);
    // The last key of 31 December: its Bible reading, shown highlighted.
    EXPECT_EQ(first.text("actbcv"), u"22_7_0"_qs);
    EXPECT_EQ(first.text("hilitebcv"), u"22_7_0"_qs);
    EXPECT_TRUE(first.page("WB1").contains(u"Hoheslied 7"_qs));
    // The devotional date is not the test's.
    EXPECT_EQ(first.text("actdate"), u"2024-03-05"_qs);
    EXPECT_TRUE(first.page("WB0").contains(u"Dienstag, 31. Dezember 2024"_qs));

    // Keys that cannot be shown are reported with their days, in the order met.
    const QStringList messages = first.strings("messages");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Test Bibelstellen: 2 Bibelstellen"_qs)) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].endsWith(u"\n14.01.2024: 19_999_1\n05.03.2024: 99_1_1"_qs)) << messages[0].toStdString();
    EXPECT_TRUE(session.errors.contains(u"05.03.2024: 99_1_1"_qs));

    // A second run starts again on the first day.
    const Dump second = session.dump(u"second.json"_qs);
    EXPECT_EQ(table_openings(second) - at_start, 2 * 366);
    EXPECT_EQ(second.strings("messages").size(), 2);
}

} // namespace
