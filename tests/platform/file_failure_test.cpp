#include "database_test_support.h"

#include <QDir>

TEST(FileFailure, EachUnusableFileTellsItsKind)
{
    const QByteArray jet = file_bytes(jet_fixture(u"qov_fixture.mdb"_qs));
    QByteArray ace = jet;
    std::memcpy(ace.data() + 4, "Standard ACE DB", 15);
    QDir(temp_dir().path()).mkdir(u"folder.mdb"_qs);
    const std::tuple<const char*, QByteArray, QString, FileFailure> cases[] = {
        {"missing.mdb", {}, {}, FileFailure::missing},
        {"folder.mdb", {}, {}, FileFailure::folder},
        {"empty.mdb", "", {}, FileFailure::empty},
        {"text.mdb", "keine Datenbank", {}, FileFailure::not_a_database},
        {"ace.accdb", ace, {}, FileFailure::unsupported_format},
        {"cut.mdb", jet.first(8192 + 100), {}, FileFailure::damaged},
        {"bible.mdb", file_bytes(jet_fixture(u"bible_fixture.mdb"_qs)), u"MS Access;PWD=falsch;"_qs,
         FileFailure::wrong_password},
    };
    for (const auto& [name, bytes, connect, failure] : cases) {
        const QString path = temp_path(QString::fromLatin1(name));
        if (!bytes.isNull())
            write_file(path, bytes);
        try {
            OpenDatabase(path, false, false, connect);
            ADD_FAILURE() << name << " opened";
        } catch (const DatabaseError& e) {
            EXPECT_EQ(e.failure(), failure) << e.what();
        }
    }
    EXPECT_EQ(german_cause(FileFailure::missing), u"die Datei fehlt"_qs);
    EXPECT_EQ(german_cause(FileFailure::wrong_password), u"falsches Kennwort"_qs);
    EXPECT_EQ(german_cause(FileFailure::not_a_database), u"keine gültige Access-Datei"_qs);
}
