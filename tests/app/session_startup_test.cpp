// Start-up on other data folders: the users' Access files, and folders whose
// files are missing or damaged; and scripts that cannot run.

#include "data_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

namespace {

const QString start_script = QStringLiteral("dump start.json\n");

QString jet_fixture(const char* name)
{
    return QStringLiteral(SELUNAR_JET_FIXTURES) + u'/' + QString::fromUtf8(name);
}

SessionOptions in(const DataFolder& folder, const char* today = "2024-03-05")
{
    return {QString::fromUtf8(today), folder.path()};
}

// A folder with both demo databases.
void add_demo_databases(const DataFolder& folder)
{
    folder.copy_demo(QStringLiteral("qov.mdb"));
    folder.copy_demo(QStringLiteral("elberfelderbibel.mdb"));
}

// The program ended with exit code 1 and a message naming `file` and `words`.
void expect_start_failure(const Session& session, const QString& file, const QString& words)
{
    EXPECT_EQ(session.exit_code, 1);
    EXPECT_TRUE(session.errors.contains(file)) << session.errors.toStdString();
    EXPECT_TRUE(session.errors.contains(words, Qt::CaseInsensitive)) << session.errors.toStdString();
    EXPECT_TRUE(session.dumps.empty());
}

TEST(StartUp, AccessFilesOfTheUsers)
{
    DataFolder folder;
    folder.copy(jet_fixture("qov_fixture.mdb"), QStringLiteral("qov.mdb"));
    folder.copy(jet_fixture("bible_fixture.mdb"), QStringLiteral("elberfelderbibel.mdb"));
    const Session session = run_script_text(start_script, in(folder, "2024-01-01"));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();

    const QJsonObject start = session.dump(QStringLiteral("start.json"));
    EXPECT_EQ(start[QStringLiteral("firstdate")].toString(), QStringLiteral("2024-01-01"));
    EXPECT_EQ(start[QStringLiteral("lastdate")].toString(), QStringLiteral("2024-12-25"));
    EXPECT_TRUE(page(start, QStringLiteral("WB0")).contains(QStringLiteral("Montag, 1. Januar 2024")));
    EXPECT_TRUE(strings(start[QStringLiteral("messages")]).isEmpty());
}

TEST(StartUp, WrongBiblePassword)
{
    DataFolder folder;
    folder.copy_demo(QStringLiteral("qov.mdb"));
    folder.copy(jet_fixture("bible_fixture.mdb"), QStringLiteral("elberfelderbibel.mdb"));
    QProcess tool;
    tool.start(QStringLiteral("python3"), {QStringLiteral("/work/shared/tools/jetpw.py"), QStringLiteral("write"),
                                           folder.file(QStringLiteral("elberfelderbibel.mdb")),
                                           QStringLiteral("WRONG")});
    ASSERT_TRUE(tool.waitForFinished());
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    expect_start_failure(run_script_text(start_script, in(folder)), QStringLiteral("elberfelderbibel.mdb"),
                         QStringLiteral("password"));
}

TEST(StartUp, MissingOrDamagedFilesEndTheProgramNamingFileAndCause)
{
    DataFolder without_bible;
    without_bible.copy_demo(QStringLiteral("qov.mdb"));
    expect_start_failure(run_script_text(start_script, in(without_bible)), QStringLiteral("elberfelderbibel.mdb"),
                         QStringLiteral("not exist"));

    DataFolder not_a_database;
    add_demo_databases(not_a_database);
    not_a_database.write(QStringLiteral("qov.mdb"), "just some text, not a database\n");
    expect_start_failure(run_script_text(start_script, in(not_a_database)), QStringLiteral("qov.mdb"),
                         QStringLiteral("not a database"));

    DataFolder without_template;
    add_demo_databases(without_template);
    ASSERT_TRUE(QFile::remove(without_template.file(QStringLiteral("qovfiles/bibel.htm"))));
    expect_start_failure(run_script_text(start_script, in(without_template)), QStringLiteral("bibel.htm"),
                         QStringLiteral("template"));

    DataFolder without_days;
    add_demo_databases(without_days);
    without_days.execute(QStringLiteral("qov.mdb"), "delete from QOV");
    expect_start_failure(run_script_text(start_script, in(without_days)), QStringLiteral("qov.mdb"),
                         QStringLiteral("empty"));
}

TEST(StartUp, AQueryTheDatabaseRejectsKeepsThePage)
{
    // A book whose view lacks the ordering fields: the full-text search fails.
    DataFolder folder;
    add_demo_databases(folder);
    folder.execute(QStringLiteral("qov.mdb"),
                   "drop view vw1qov; create view vw1qov as select QOV.*, AutorenNeu.Vorname as Vorname, "
                   "AutorenNeu.Nachname as Nachname from QOV left join AutorenNeu on AutorenNeu.AID = QOV.AID");
    const Session session = run_script_text(QStringLiteral("dump start.json\nclick 3\ntype inpvolltext Gott\n"
                                                           "click 6\ndump failed.json\nclick 1\ndump next.json\n"),
                                            in(folder));
    ASSERT_EQ(session.exit_code, 0) << session.errors.toStdString();
    const QJsonObject failed = session.dump(QStringLiteral("failed.json"));
    EXPECT_EQ(page(failed, QStringLiteral("WB0")), page(session.dump(QStringLiteral("start.json")), QStringLiteral("WB0")));
    EXPECT_EQ(failed[QStringLiteral("pointer")].toString(), QStringLiteral("default"));
    const QStringList messages = strings(failed[QStringLiteral("messages")]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("book1"))) << messages[0].toStdString();
    EXPECT_EQ(session.dump(QStringLiteral("next.json"))[QStringLiteral("actdate")].toString(), QStringLiteral("2024-03-06"));
}

TEST(ScriptErrors, EndWithCode2NamingTheLine)
{
    const Session session = run_script_text(QStringLiteral("dump start.json\n# fine\nclick next\n"));
    EXPECT_EQ(session.exit_code, 2);
    EXPECT_TRUE(session.errors.contains(QStringLiteral("line 3"))) << session.errors.toStdString();
    EXPECT_TRUE(session.dumps.empty());

    // A step that cannot be carried out ends the session where it stands.
    const Session stopped = run_script_text(QStringLiteral("dump start.json\nchoose books 66\ndump after.json\n"));
    EXPECT_EQ(stopped.exit_code, 2);
    EXPECT_TRUE(stopped.errors.contains(QStringLiteral("line 2"))) << stopped.errors.toStdString();
    EXPECT_EQ(stopped.dumps.size(), 1u);
}

} // namespace
