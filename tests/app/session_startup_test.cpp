// Start-up on the users' Access files, a query the database rejects, and
// scripts that cannot run. Folders that cannot start at all are the
// hardening tests' business.

#include "data_copy.h"
#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, AccessFilesOfTheUsers)
{
    const DataCopy data;
    data.use_access_fixture(u"qov_fixture.mdb"_qs, u"qov.mdb"_qs);
    data.use_access_fixture(u"bible_fixture.mdb"_qs, u"elberfelderbibel.mdb"_qs);
    const Session session = run_script(u"dump start.json\n"_qs, data.path(), u"2024-01-01"_qs);
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const Dump start = session.dump(u"start.json"_qs);
    EXPECT_EQ(start.text("firstdate"), u"2024-01-01"_qs);
    EXPECT_EQ(start.text("lastdate"), u"2024-12-25"_qs);
    EXPECT_TRUE(start.page("WB0").contains(u"Montag, 1. Januar 2024"_qs));
    EXPECT_TRUE(start.strings("messages").isEmpty());
}

TEST(StartUp, AQueryTheDatabaseRejectsIsReportedAndKeepsThePage)
{
    // A book whose view lacks the ordering fields: the full-text search fails.
    const DataCopy data;
    data.execute(u"qov.mdb"_qs, u"drop view vw1qov; create view vw1qov as select QOV.*, AutorenNeu.Vorname as Vorname, "
                   "AutorenNeu.Nachname as Nachname from QOV left join AutorenNeu on AutorenNeu.AID = QOV.AID"_qs);
    const Session session = run_script(
        u"dump start.json\nclick 3\ntype inpvolltext Gott\nclick 6\ndump failed.json\nclick 1\ndump next.json\n"_qs,
        data.path());
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const Dump failed = session.dump(u"failed.json"_qs);
    EXPECT_EQ(failed.page("WB0"), session.dump(u"start.json"_qs).page("WB0"));
    EXPECT_EQ(failed.text("pointer"), u"default"_qs);
    const QStringList messages = failed.strings("messages");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"book1"_qs)) << messages[0].toStdString();
    EXPECT_EQ(session.dump(u"next.json"_qs).text("actdate"), u"2024-03-06"_qs);
}

TEST(ScriptErrors, EndWithCode2NamingTheLine)
{
    const Session malformed = run_script(u"dump start.json\n# fine\nclick next\n"_qs);
    EXPECT_EQ(malformed.exit_code, 2);
    EXPECT_TRUE(malformed.errors.contains(u"line 3"_qs)) << malformed.errors.toStdString();
    EXPECT_TRUE(malformed.dumps.empty());

    // A step that cannot be carried out ends the session where it stands.
    const Session stopped = run_script(u"dump start.json\nchoose books 66\ndump after.json\n"_qs);
    EXPECT_EQ(stopped.exit_code, 2);
    EXPECT_TRUE(stopped.errors.contains(u"line 2"_qs)) << stopped.errors.toStdString();
    EXPECT_EQ(stopped.dumps.size(), 1u);
}

} // namespace
