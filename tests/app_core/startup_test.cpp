#include "startup.h"

#include "chapter_page.h"
#include "day_page.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// A complete program folder with two small SQLite databases and six templates.
class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        apppath = dir.path() + u'/';
        ASSERT_TRUE(write_sqlite_file(apppath + u"qov.mdb"_qs, qov_schema + qov_rows));
        ASSERT_TRUE(write_sqlite_file(apppath + u"elberfelderbibel.mdb"_qs,
                                      bible_schema + QStringList{u"INSERT INTO texte VALUES (1, 1, 1, 'Am Anfang')"_qs}));
        ASSERT_TRUE(QDir(apppath).mkdir(u"qovfiles"_qs));
        write_file(apppath + u"qovfiles/qovtemp.htm"_qs,
                   "<img src=\"../qov_pics/#Bild#\">#BibelStart#[#bcv#]#BibelEnd#<p>#Bibelstelle#</p>");
        write_file(apppath + u"qovfiles/qovliste.htm"_qs, "L<!--X-->#Datum#<!--X-->");
        write_file(apppath + u"qovfiles/bibelliste.htm"_qs, "B<!--X-->#Vers#<!--X-->");
        write_file(apppath + u"qovfiles/impressum.htm"_qs, "Impressum");
        write_file(apppath + u"qovfiles/hilfe.htm"_qs, "Hilfe <img src=\"../qov_pics/h.png\">");
        write_file(apppath + u"qovfiles/bibel.htm"_qs, "#Buch# #Kapitel##VersStart#(#Versnr# #Vers#)#VersEnd#.");
    }

    // What start-up reports for the folder as it is now.
    QString failure()
    {
        FormState state;
        try {
            load_form_resources(state, apppath);
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
    QString apppath;
};

} // namespace

TEST_F(Startup, PreparesTheWholeState)
{
    FormState state;
    state.actbcv = u"9_9_9"_qs;
    state.hilitebcv = u"1_1_1"_qs;
    state.navbusy = true;
    state.suchmode = 2;
    load_form_resources(state, dir.path());

    EXPECT_EQ(state.apppath, apppath);
    EXPECT_EQ(state.suchmode, 1);
    EXPECT_EQ(state.firstdate, QDate(2024, 1, 2));
    EXPECT_EQ(state.lastdate, QDate(2024, 12, 31));
    EXPECT_EQ(state.actbcv, u"1_1_0"_qs);
    EXPECT_EQ(state.hilitebcv, QString());
    EXPECT_FALSE(state.navbusy);

    EXPECT_EQ(state.tplday, u"<img src=\"%1qov_pics/#Bild#\"><p>#Bibelstelle#</p>"_qs.arg(apppath));
    EXPECT_EQ(state.tplbibelst, u"[#bcv#]"_qs);
    EXPECT_EQ(state.tplliste, u"L<!--X-->#Datum#<!--X-->"_qs);
    EXPECT_EQ(state.tplbibelliste, u"B<!--X-->#Vers#<!--X-->"_qs);
    EXPECT_EQ(state.tpl_impressum, u"Impressum"_qs);
    EXPECT_EQ(state.tplhilfe, u"Hilfe <img src=\"%1qov_pics/h.png\">"_qs.arg(apppath));
    EXPECT_EQ(state.tplbibel, u"#Buch# #Kapitel##VERS#."_qs);
    EXPECT_EQ(state.tplvers, u"(#Versnr# #Vers#)"_qs);

    ASSERT_EQ(state.bereiche.size(), 2u);
    EXPECT_EQ(state.bereiche[1].bild.toString(), u"familie.png"_qs);
    ASSERT_EQ(state.buecher.size(), 2u);
    EXPECT_EQ(state.buecher[1].buch.toString(), u"1. Mose"_qs);
    EXPECT_EQ(state.lists.inpautor.size(), 1u);
    EXPECT_EQ(state.lists.books.size(), 1u);
}

TEST_F(Startup, CursorsAreReadyForThePages)
{
    FormState state;
    load_form_resources(state, apppath);
    EXPECT_EQ(loadday(QDate(2024, 1, 2), *state.rsQov, *state.db, state.tplday, state.tplbibelst,
                      state.bereiche, state.suchworte),
              u"<img src=\"%1qov_pics/familie.png\"><p>[1_1_1]</p>"_qs.arg(apppath));
    EXPECT_EQ(renderchap(1, 1, *state.rsTexte, state.tplbibel, state.tplvers, state.buecher, {}),
              u"1. Mose 1(1 Am Anfang)."_qs);
}

TEST_F(Startup, MissingBookDatabaseIsNamed)
{
    ASSERT_TRUE(QFile::remove(apppath + u"qov.mdb"_qs));
    EXPECT_EQ(failure(), apppath + u"qov.mdb: the database file does not exist"_qs);
}

TEST_F(Startup, UnreadableBookDatabaseIsNamed)
{
    write_file(apppath + u"qov.mdb"_qs, "Dies ist keine Datenbank.");
    const QString message = failure();
    EXPECT_TRUE(message.startsWith(apppath + u"qov.mdb: the database cannot be opened: "_qs)) << message.toStdString();
}

TEST_F(Startup, MissingBibleDatabaseIsNamed)
{
    ASSERT_TRUE(QFile::remove(apppath + u"elberfelderbibel.mdb"_qs));
    EXPECT_EQ(failure(), apppath + u"elberfelderbibel.mdb: the database file does not exist"_qs);
}

TEST_F(Startup, BibleWithoutVerseTableIsNamed)
{
    ASSERT_TRUE(QFile::remove(apppath + u"elberfelderbibel.mdb"_qs));
    ASSERT_TRUE(write_sqlite_file(apppath + u"elberfelderbibel.mdb"_qs, {u"CREATE TABLE andere (x INTEGER)"_qs}));
    const QString message = failure();
    EXPECT_TRUE(message.startsWith(apppath + u"elberfelderbibel.mdb: the table \"texte\" cannot be opened"_qs))
        << message.toStdString();
}

TEST_F(Startup, EachMissingTemplateIsNamed)
{
    for (const char* name : {"qovtemp.htm", "qovliste.htm", "bibelliste.htm", "impressum.htm", "hilfe.htm", "bibel.htm"}) {
        const QString path = apppath + u"qovfiles/"_qs + QString::fromLatin1(name);
        ASSERT_TRUE(QFile::rename(path, path + u".weg"_qs));
        const QString message = failure();
        EXPECT_TRUE(message.startsWith(path + u": the template cannot be read"_qs)) << message.toStdString();
        ASSERT_TRUE(QFile::rename(path + u".weg"_qs, path));
    }
    EXPECT_EQ(failure(), QString());
}

TEST_F(Startup, EmptyDevotionalTableStopsStartUp)
{
    ASSERT_TRUE(QFile::remove(apppath + u"qov.mdb"_qs));
    ASSERT_TRUE(write_sqlite_file(apppath + u"qov.mdb"_qs, qov_schema));
    EXPECT_EQ(failure(), apppath + u"qov.mdb: the table \"QOV\" is empty"_qs);
}

TEST_F(Startup, WrongBiblePasswordIsNamed)
{
    // The fixture's password is the right one; flipping one bit of the stored
    // (masked) password makes it another.
    const QString right = apppath + u"richtig.mdb"_qs;
    ASSERT_TRUE(QFile::copy(QStringLiteral(SELUNAR_JET_FIXTURES "/bible_fixture.mdb"), right));
    QFile::setPermissions(right, QFile::ReadOwner | QFile::WriteOwner);
    try {
        OpenDatabase(right, false, false, u"MS Access;PWD=Murb64#7;"_qs);
    } catch (const DatabaseError& e) {
        GTEST_SKIP() << "Access files cannot be opened here: " << e.what();
    }

    const QString bible = apppath + u"elberfelderbibel.mdb"_qs;
    ASSERT_TRUE(QFile::remove(bible));
    ASSERT_TRUE(QFile::copy(right, bible));
    QFile file(bible);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(0x42));
    char c = 0;
    ASSERT_TRUE(file.getChar(&c));
    ASSERT_TRUE(file.seek(0x42));
    ASSERT_TRUE(file.putChar(static_cast<char>(c ^ 0x01)));
    file.close();

    const QString message = failure();
    EXPECT_TRUE(message.startsWith(bible + u": the database cannot be opened: "_qs)) << message.toStdString();
    EXPECT_TRUE(message.contains(u"password"_qs)) << message.toStdString();
}
