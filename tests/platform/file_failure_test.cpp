#include "database_test_support.h"

#include <QDir>

namespace {

// The kind of failure opening `path` reports; unknown when it opens.
FileFailure open_failure(const QString& path, const QString& connect = {})
{
    try {
        OpenDatabase(path, false, false, connect);
    } catch (const DatabaseError& e) {
        return e.failure();
    }
    return FileFailure::unknown;
}

} // namespace

TEST(FileFailure, EachUnusableFileTellsItsKind)
{
    const QByteArray jet = file_bytes(jet_fixture(u"qov_fixture.mdb"_qs));
    QByteArray ace = jet;
    std::memcpy(ace.data() + 4, "Standard ACE DB", 15);
    const QString sqlite = temp_path(u"sound.db"_qs);
    write_sqlite_file(sqlite, QString::fromLatin1(test_book_sql));
    const QByteArray sound = file_bytes(sqlite);
    QByteArray garbled = sound;
    garbled.replace(4096, garbled.size() - 4096, QByteArray(garbled.size() - 4096, '\x5a'));

    const std::pair<const char*, QByteArray> files[] = {
        {"empty.mdb", {}}, {"text.mdb", "keine Datenbank"}, {"ace.accdb", ace},
        {"cut.mdb", jet.first(8192 + 100)}, {"cut.db", sound.first(sound.size() / 2)},
    };
    for (const auto& [name, bytes] : files)
        write_file(temp_path(QString::fromLatin1(name)), bytes);
    QDir(temp_dir().path()).mkdir(u"folder.mdb"_qs);

    const std::tuple<QString, QString, FileFailure> cases[] = {
        {u"missing.mdb"_qs, {}, FileFailure::missing},
        {u"folder.mdb"_qs, {}, FileFailure::folder},
        {u"empty.mdb"_qs, {}, FileFailure::empty},
        {u"text.mdb"_qs, {}, FileFailure::not_a_database},
        {u"ace.accdb"_qs, {}, FileFailure::unsupported_format},
        {u"cut.mdb"_qs, {}, FileFailure::damaged},
        {u"cut.db"_qs, {}, FileFailure::damaged},
        {jet_fixture(u"bible_fixture.mdb"_qs), u"MS Access;PWD=falsch;"_qs, FileFailure::wrong_password},
    };
    for (const auto& [name, connect, failure] : cases)
        EXPECT_EQ(open_failure(QDir(temp_dir().path()).filePath(name), connect), failure) << name.toStdString();

    // Damaged pages behind a sound header show when a statement reads them.
    write_file(temp_path(u"garbled.db"_qs), garbled);
    try {
        OpenDatabase(temp_path(u"garbled.db"_qs))->OpenRecordset(u"select * from texte"_qs)->MoveLast();
        ADD_FAILURE() << "garbled pages read";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.failure(), FileFailure::damaged) << e.what();
    }

    EXPECT_EQ(german_cause(FileFailure::missing), u"die Datei fehlt"_qs);
    EXPECT_EQ(german_cause(FileFailure::wrong_password), u"falsches Kennwort"_qs);
    EXPECT_EQ(german_cause(FileFailure::not_a_database), u"keine gültige Access-Datei"_qs);
}
