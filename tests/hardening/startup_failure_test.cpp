// Data folders the program cannot start on: every database and template
// missing or damaged in every way we know of. Each must end the program with
// exit code 1 and a message that names the file and what is wrong with it;
// none may crash it, hang it, or get as far as the session.

#include "data_copy.h"
#include "scripted_session.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <functional>

namespace {

const QString book = QStringLiteral("qov.mdb");
const QString bible = QStringLiteral("elberfelderbibel.mdb");

struct StartupCase {
    const char* name;
    std::function<void(const DataCopy&)> damage;
    QString file;   // the file the message must name
    QString words;  // and what it must say about it
};

void PrintTo(const StartupCase& c, std::ostream* out)
{
    *out << c.name;
}

QString half_of(const DataCopy& data, const QString& name)
{
    data.truncate(name, QFileInfo(data.file(name)).size() / 2);
    return name;
}

std::vector<StartupCase> database_cases()
{
    std::vector<StartupCase> cases;
    for (const QString& db : {book, bible}) {
        const bool is_book = db == book;
        cases.push_back({is_book ? "BookMissing" : "BibleMissing", [db](const DataCopy& d) { d.remove(db); }, db,
                         QStringLiteral("does not exist")});
        cases.push_back({is_book ? "BookEmpty" : "BibleEmpty", [db](const DataCopy& d) { d.write(db, {}); }, db,
                         QStringLiteral("empty")});
        cases.push_back({is_book ? "BookTruncated" : "BibleTruncated", [db](const DataCopy& d) { half_of(d, db); },
                         db, QStringLiteral("truncated")});
        cases.push_back({is_book ? "BookRandomBytes" : "BibleRandomBytes",
                         [db](const DataCopy& d) { d.garble(db, 0, QFileInfo(d.file(db)).size()); }, db,
                         QStringLiteral("not a database")});
        // The header stays sound; the pages behind it are noise.
        cases.push_back({is_book ? "BookPagesGarbled" : "BiblePagesGarbled",
                         [db](const DataCopy& d) { d.garble(db, 4096, QFileInfo(d.file(db)).size()); }, db,
                         QStringLiteral("malformed")});
        cases.push_back({is_book ? "BookIsAFolder" : "BibleIsAFolder",
                         [db](const DataCopy& d) {
                             d.remove(db);
                             QDir(d.path()).mkdir(db);
                         },
                         db, QStringLiteral("folder")});
    }
    return cases;
}

std::vector<StartupCase> schema_cases()
{
    const auto sql = [](const QString& db, const char* statement) {
        return [db, statement](const DataCopy& d) { d.execute(db, QString::fromUtf8(statement)); };
    };
    return {
        {"TableQovMissing", sql(book, "drop table QOV"), book, QStringLiteral("QOV")},
        {"TableAutorenMissing", sql(book, "drop table AutorenNeu"), book, QStringLiteral("AutorenNeu")},
        {"TableBereicheMissing", sql(book, "drop table Bereiche"), book, QStringLiteral("Bereiche")},
        {"TableBibelMissing", sql(book, "drop table Bibel"), book, QStringLiteral("Bibel")},
        {"TableTexteMissing", sql(bible, "drop table texte"), bible, QStringLiteral("texte")},
        {"IndexDatumMissing", sql(book, "drop index Datum"), book, QStringLiteral("Datum")},
        {"IndexBookMissing", sql(bible, "drop index book"), bible, QStringLiteral("book")},
        {"ColumnDatumMissing", sql(book, "drop view vw1qov; drop index Datum; alter table QOV drop column Datum"),
         book, QStringLiteral("Datum")},
        {"ColumnBildMissing", sql(book, "alter table Bereiche drop column bild"), book, QStringLiteral("bild")},
        {"ColumnMaxkapitelMissing", sql(book, "alter table Bibel drop column maxkapitel"), book,
         QStringLiteral("maxkapitel")},
        {"ColumnNachnameMissing",
         sql(book, "drop view vw1qov; drop view VW1AutorenAktiv; alter table AutorenNeu drop column Nachname"),
         book, QStringLiteral("Nachname")},
        {"BookWithoutDays", sql(book, "delete from QOV"), book, QStringLiteral("empty")},
        {"FirstDayWithoutDate", sql(book, "update QOV set Datum = NULL where Datum = '2024-01-01'"), book,
         QStringLiteral("date")},
    };
}

std::vector<StartupCase> access_cases()
{
    return {
        {"BiblePasswordWrong",
         [](const DataCopy& d) {
             d.use_access_fixture(QStringLiteral("bible_fixture.mdb"), bible);
             d.set_access_password(bible, QStringLiteral("Murb64#8"));
         },
         bible, QStringLiteral("password")},
        {"AccessBookCutMidPage",
         [](const DataCopy& d) {
             d.use_access_fixture(QStringLiteral("qov_fixture.mdb"), book);
             d.truncate(book, 3 * 4096 + 100);
         },
         book, QStringLiteral("damaged")},
        {"AccessBookPagesGarbled",
         [](const DataCopy& d) {
             d.use_access_fixture(QStringLiteral("qov_fixture.mdb"), book);
             d.garble(book, 2 * 4096 + 1, QFileInfo(d.file(book)).size());
         },
         book, QStringLiteral("damaged")},
    };
}

std::vector<StartupCase> template_cases()
{
    std::vector<StartupCase> cases;
    static const char* const names[] = {"qovtemp", "qovliste", "bibelliste", "bibel", "hilfe", "impressum"};
    static const char* const missing[] = {"DayTemplateMissing",  "ListTemplateMissing", "BibleListTemplateMissing",
                                          "ChapterTemplateMissing", "HelpMissing",     "ImprintMissing"};
    for (size_t i = 0; i < std::size(names); ++i) {
        const QString file = QStringLiteral("qovfiles/%1.htm").arg(QString::fromLatin1(names[i]));
        cases.push_back({missing[i], [file](const DataCopy& d) { d.remove(file); }, file,
                         QStringLiteral("does not exist")});
    }
    cases.push_back({"TemplateIsAFolder",
                     [](const DataCopy& d) {
                         d.remove(QStringLiteral("qovfiles/qovtemp.htm"));
                         QDir(d.path()).mkpath(QStringLiteral("qovfiles/qovtemp.htm"));
                     },
                     QStringLiteral("qovtemp.htm"), QStringLiteral("cannot be read")});
    cases.push_back({"TemplateFolderMissing", [](const DataCopy& d) { d.remove(QStringLiteral("qovfiles")); },
                     QStringLiteral("qovfiles/qovtemp.htm"), QStringLiteral("does not exist")});
    return cases;
}

class StartupFailure : public testing::TestWithParam<StartupCase> {};

TEST_P(StartupFailure, EndsWithAMessageNamingTheFile)
{
    const DataCopy data;
    GetParam().damage(data);
    if (testing::Test::HasFatalFailure())
        return;

    const SessionOutcome outcome = run_session(data.path(), QStringLiteral("dump reached.json\n"));
    ASSERT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.crashed) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.exit_code, 1) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(GetParam().file)) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(GetParam().words, Qt::CaseInsensitive)) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.dumps.empty());
}

std::string case_name(const testing::TestParamInfo<StartupCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Databases, StartupFailure, testing::ValuesIn(database_cases()), case_name);
INSTANTIATE_TEST_SUITE_P(Schema, StartupFailure, testing::ValuesIn(schema_cases()), case_name);
INSTANTIATE_TEST_SUITE_P(AccessFiles, StartupFailure, testing::ValuesIn(access_cases()), case_name);
INSTANTIATE_TEST_SUITE_P(Templates, StartupFailure, testing::ValuesIn(template_cases()), case_name);

TEST(StartupFailure, DataFolderMissing)
{
    const SessionOutcome outcome =
        run_session(QStringLiteral("/nonexistent/selunar-data"), QStringLiteral("dump reached.json\n"));
    EXPECT_EQ(outcome.exit_code, 1) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(QStringLiteral("qov.mdb"))) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.dumps.empty());
}

} // namespace
