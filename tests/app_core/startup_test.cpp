#include "startup.h"

#include "chapter_page.h"
#include "day_page.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

const char* const template_names[] = {"qovtemp.htm", "qovliste.htm", "bibelliste.htm",
                                      "impressum.htm", "hilfe.htm", "bibel.htm"};

// A complete program folder with two small SQLite databases and six templates.
class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(write_sqlite_file(apppath + u"qov.mdb"_qs, qov_schema + qov_rows));
        ASSERT_TRUE(write_sqlite_file(apppath + u"elberfelderbibel.mdb"_qs,
                                      bible_schema + QStringList{u"INSERT INTO texte VALUES (1, 1, 1, 'Am Anfang')"_qs}));
        ASSERT_TRUE(QDir(apppath).mkdir(u"qovfiles"_qs));
        const QByteArray templates[] = {
            "<img src=\"../qov_pics/#Bild#\">#BibelStart#[#bcv#]#BibelEnd#<p>#Bibelstelle#</p>",
            "L<!--X-->#Datum#<!--X-->", "B<!--X-->#Vers#<!--X-->", "Impressum", "Hilfe <img src=\"../qov_pics/h.png\">",
            "#Buch# #Kapitel##VersStart#(#Versnr# #Vers#)#VersEnd#."};
        for (size_t i = 0; i < std::size(templates); ++i)
            ASSERT_TRUE(write_file(apppath + u"qovfiles/"_qs + QLatin1String(template_names[i]), templates[i]));
    }

    // What start-up reports for the folder as it is now; empty when it starts.
    QString failure() const
    {
        try {
            load_form_resources(apppath);
        } catch (const StartupError& e) {
            return QString::fromStdString(e.what());
        }
        return {};
    }

    const QStringList qov_rows = {
        u"INSERT INTO QOV (Datum, bcv1, Bibelstelle, bereich, AID) VALUES ('2024-01-02', '1_1_1', 'Gen 1,1', 1, 5)"_qs,
        u"INSERT INTO QOV (Datum, AID) VALUES ('2024-12-31', 5)"_qs,
        u"INSERT INTO QOV (Datum, AID) VALUES ('2024-06-01', 5)"_qs,
        u"INSERT INTO AutorenNeu VALUES (5, 'Anna', 'Schmidt')"_qs,
        u"INSERT INTO Bereiche VALUES (1, 'Familie', 'familie.png')"_qs,
        u"INSERT INTO Bibel VALUES (1, '1. Mose', 50)"_qs,
    };
    QTemporaryDir dir;
    const QString apppath = dir.path() + u'/';
};

} // namespace

TEST_F(Startup, PreparesTheWholeStateAndTheCursorsForThePages)
{
    const FormState state = load_form_resources(dir.path());

    EXPECT_EQ(state.apppath, apppath);
    EXPECT_EQ(state.suchmode, 1);
    EXPECT_EQ(state.firstdate, QDate(2024, 1, 2));
    EXPECT_EQ(state.lastdate, QDate(2024, 12, 31));
    EXPECT_EQ(state.actbcv, u"1_1_0"_qs);
    EXPECT_EQ(state.hilitebcv, QString());
    EXPECT_FALSE(state.navbusy);

    EXPECT_EQ(state.tplliste, u"L<!--X-->#Datum#<!--X-->"_qs);
    EXPECT_EQ(state.tplbibelliste, u"B<!--X-->#Vers#<!--X-->"_qs);
    EXPECT_EQ(state.tpl_impressum, u"Impressum"_qs);
    EXPECT_EQ(state.tplhilfe, u"Hilfe <img src=\"%1qov_pics/h.png\">"_qs.arg(apppath));

    ASSERT_EQ(state.lists.bereiche.size(), 2u);
    EXPECT_EQ(state.lists.bereiche[1].bild.toString(), u"familie.png"_qs);
    ASSERT_EQ(state.lists.buecher.size(), 2u);
    EXPECT_EQ(state.lists.inpautor.size(), 1u);

    // The day and chapter templates, cut, and the cursors build the pages.
    EXPECT_EQ(loadday(QDate(2024, 1, 2), *state.rsQov, *state.db, state.tplday, state.tplbibelst, state.lists.bereiche,
                      state.suchworte),
              u"<img src=\"%1qov_pics/familie.png\"><p>[1_1_1]</p>"_qs.arg(apppath));
    EXPECT_EQ(renderchap(1, 1, *state.rsTexte, state.tplbibel, state.tplvers, state.lists.buecher, {}),
              u"1. Mose 1(1 Am Anfang)."_qs);
}

TEST_F(Startup, EachMissingOrUnusableFileIsNamedWithWhatIsWrong)
{
    const auto removed = [](const QString& path) { return QFile::remove(path); };
    const auto sqlite = [](QStringList statements) {
        return [statements](const QString& path) { return QFile::remove(path) && write_sqlite_file(path, statements); };
    };
    struct Case {
        QString file;
        std::function<bool(const QString&)> damage;
        QString message;  // after the file's path
        bool whole;       // the whole message, or how it begins
    };
    std::vector<Case> cases = {
        {u"qov.mdb"_qs, removed, u": the database file does not exist"_qs, true},
        {u"qov.mdb"_qs, [](const QString& path) { return write_file(path, "Dies ist keine Datenbank."); },
         u": the database cannot be opened: "_qs, false},
        {u"qov.mdb"_qs, sqlite(qov_schema), u": the table \"QOV\" is empty"_qs, true},
        {u"elberfelderbibel.mdb"_qs, removed, u": the database file does not exist"_qs, true},
        {u"elberfelderbibel.mdb"_qs, sqlite({u"CREATE TABLE andere (x INTEGER)"_qs}),
         u": the table \"texte\" cannot be opened"_qs, false}};
    for (const char* name : template_names)
        cases.push_back({u"qovfiles/"_qs + QLatin1String(name), removed, u": the template cannot be read"_qs, false});

    ASSERT_EQ(failure(), QString());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + c.message.toStdString());
        const QString path = apppath + c.file;
        ASSERT_TRUE(QFile::copy(path, path + u".sound"_qs));
        ASSERT_TRUE(c.damage(path));
        const QString message = failure();
        EXPECT_TRUE(c.whole ? message == path + c.message : message.startsWith(path + c.message)) << message.toStdString();
        ASSERT_TRUE(QFile::remove(path) || !QFile::exists(path));
        ASSERT_TRUE(QFile::rename(path + u".sound"_qs, path));
    }
}

TEST_F(Startup, EachFailureHasAKindForTheUsersMessage)
{
    const auto removed = [](const QString& path) { return QFile::remove(path); };
    const auto folder = [](const QString& path) { return QFile::remove(path) && QDir().mkdir(path); };
    const auto text = [](const QString& path) { return write_file(path, "Dies ist keine Datenbank."); };
    // The header stays sound; the pages behind it are noise.
    const auto garbled = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.size() > 4096 && file.seek(4096)
            && file.write(QByteArray(file.size() - 4096, 'Z')) > 0;
    };
    const auto sqlite = [](QStringList statements) {
        return [statements](const QString& path) { return QFile::remove(path) && write_sqlite_file(path, statements); };
    };
    const std::tuple<QString, std::function<bool(const QString&)>, FileFailure> cases[] = {
        {u"qov.mdb"_qs, removed, FileFailure::missing},
        {u"qov.mdb"_qs, text, FileFailure::not_a_database},
        {u"qov.mdb"_qs, garbled, FileFailure::damaged},
        {u"qov.mdb"_qs, sqlite(qov_schema), FileFailure::incomplete},
        {u"elberfelderbibel.mdb"_qs, sqlite({u"CREATE TABLE andere (x INTEGER)"_qs}), FileFailure::incomplete},
        {u"qovfiles/hilfe.htm"_qs, folder, FileFailure::folder},
    };
    for (const auto& [file, damage, failure] : cases) {
        const QString path = apppath + file;
        ASSERT_TRUE(QFile::copy(path, path + u".sound"_qs));
        ASSERT_TRUE(damage(path));
        try {
            load_form_resources(apppath);
            ADD_FAILURE() << file.toStdString() << " started";
        } catch (const StartupError& e) {
            EXPECT_EQ(e.failure(), failure) << e.what();
            EXPECT_EQ(german_message(e), QDir::toNativeSeparators(path) + u": "_qs + german_cause(failure));
        }
        ASSERT_TRUE(QFile::remove(path) || QDir().rmdir(path) || !QFile::exists(path));
        ASSERT_TRUE(QFile::rename(path + u".sound"_qs, path));
    }
}
