// The reference self-test over a whole year, run twice on a copy of the demo
// data with a few keys that cannot be shown.

#include "data_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

qsizetype table_openings(const QJsonObject& dump)
{
    return strings(dump[QStringLiteral("queries")]).count(QStringLiteral("QOV"));
}

// One test, since a run over the year takes a while.
TEST(SelfTest, TwoRunsOverTheYearReportingKeysThatCannotBeShown)
{
    DataFolder folder;
    folder.copy_demo(QStringLiteral("qov.mdb"));
    folder.copy_demo(QStringLiteral("elberfelderbibel.mdb"));
    folder.execute(QStringLiteral("qov.mdb"),
                   "update QOV set bcv1 = '99_1_1' where Datum = '2024-03-05';"
                   "update QOV set bcv2 = '40_12_1-25;19_999_1' where Datum = '2024-01-14';"
                   "update QOV set bcv1 = '' where Datum = '2024-01-15';");
    const Session session = run_script_text(QStringLiteral("dump start.json\nselftest\ndump first.json\nselftest\ndump second.json\n"),
                                            {QStringLiteral("2024-03-05"), folder.path()});
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    // Every day of 2024 once (start-up opened the table once already).
    const qsizetype at_start = table_openings(session.dump(QStringLiteral("start.json")));
    const QJsonObject first = session.dump(QStringLiteral("first.json"));
    EXPECT_EQ(first[QStringLiteral("testdatum")].toString(), QStringLiteral("2024-12-31"));
    EXPECT_EQ(table_openings(first) - at_start, 366);
    // The last key of 31 December: its Bible reading, shown highlighted.
    EXPECT_EQ(first[QStringLiteral("actbcv")].toString(), QStringLiteral("22_7_0"));
    EXPECT_EQ(first[QStringLiteral("hilitebcv")].toString(), QStringLiteral("22_7_0"));
    EXPECT_TRUE(page(first, QStringLiteral("WB1")).contains(QStringLiteral("Hoheslied 7")));
    // The devotional date is not the test's.
    EXPECT_EQ(first[QStringLiteral("actdate")].toString(), QStringLiteral("2024-03-05"));
    EXPECT_TRUE(page(first, QStringLiteral("WB0")).contains(QStringLiteral("Dienstag, 31. Dezember 2024")));

    // Keys that cannot be shown are reported with their days, in the order met.
    const QStringList messages = strings(first[QStringLiteral("messages")]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Test Bibelstellen: 2 Bibelstellen"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("\n14.01.2024: 19_999_1\n05.03.2024: 99_1_1")))
        << messages[0].toStdString();
    EXPECT_TRUE(session.errors.contains(QStringLiteral("05.03.2024: 99_1_1")));

    // A second run starts again on the first day.
    const QJsonObject second = session.dump(QStringLiteral("second.json"));
    EXPECT_EQ(table_openings(second) - at_start, 2 * 366);
    EXPECT_EQ(strings(second[QStringLiteral("messages")]).size(), 2);
}

} // namespace
