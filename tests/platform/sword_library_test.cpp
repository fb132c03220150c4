// SPDX-License-Identifier: GPL-2.0-or-later
// Finding the desktop's Bible modules and refusing the damaged ones, on a
// SWORD folder of the test's own: Debian's modules, the shared Elberfelder
// module and damaged copies of them.

#include "sword_library.h"
#include "sword_test_folder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

void PrintTo(const BibleModuleInfo& m, std::ostream* out)
{
    *out << m.name.toStdString() << " (" << m.short_name.toStdString() << ", " << m.description.toStdString()
         << ", " << m.language.toStdString() << ") " << (m.usable ? "usable" : "refused") << " "
         << m.reason.toStdString() << ": " << m.detail.toStdString();
}

namespace {

// A description of a module reading the King James copy's data, its
// entries changed or added by `changes`.
QByteArray kjv_description(const QByteArray& name, const std::map<QByteArray, QByteArray>& changes)
{
    std::map<QByteArray, QByteArray> entries{
        {"DataPath", "./modules/texts/ztext/engKJV2006eb/"}, {"ModDrv", "zText"}, {"SourceType", "OSIS"},
        {"Encoding", "UTF-8"}, {"CompressType", "ZIP"}, {"BlockType", "BOOK"}, {"Lang", "en"},
        {"Description", name}};
    for (const auto& [key, value] : changes)
        entries[key] = value;
    QByteArray text = '[' + name + "]\n";
    for (const auto& [key, value] : entries)
        text += key + '=' + value + '\n';
    return text;
}

void resize(const QString& path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.resize(size)) << path.toStdString();
}

qint64 size_of(const QString& path)
{
    return QFileInfo(path).size();
}

// The good modules and one of every damage.
void add_damaged_modules(const SwordTestFolder& folder)
{
    const QString cut = folder.copy_module("engKJV2006eb", "Abgeschnitten");
    resize(cut + "/ot.bzz", size_of(cut + "/ot.bzz") - 100);
    // A piece of an entry more, and one entry fewer than the versification
    // needs.
    const QString index = folder.copy_module("engKJV2006eb", "Verzeichnisrest");
    resize(index + "/ot.bzv", size_of(index + "/ot.bzv") + 3);
    const QString short_index = folder.copy_module("engKJV2006eb", "Verzeichnisende");
    resize(short_index + "/nt.bzv", size_of(short_index + "/nt.bzv") - 10);
    // A verse running past the end of its block: the last of the Old
    // Testament, which ends its block, made longer.
    const QString pointer = folder.copy_module("engKJV2006eb", "Zeiger");
    QFile verses(pointer + "/ot.bzv");
    ASSERT_TRUE(verses.open(QIODevice::ReadWrite));
    verses.seek(verses.size() - 2);
    verses.write("\xff\xff", 2);
    verses.close();
    const QString new_testament = folder.copy_module("engKJV2006eb", "NurNT", {"Abbreviation=NT"});
    for (const char* name : {"/ot.bzs", "/ot.bzv", "/ot.bzz"})
        ASSERT_TRUE(QFile::remove(new_testament + name));
    folder.write_description("gesperrt.conf", kjv_description("Gesperrt", {{"CipherKey", ""}}));
    folder.write_description("schluessel.conf", kjv_description("Schluessel", {{"CipherKey", "abc"}}));
    folder.write_description("fremd.conf", kjv_description("Fremdformat", {{"SourceType", "Foo"}}));
    folder.write_description("ohnedaten.conf",
                             kjv_description("Ohnedaten", {{"DataPath", "./modules/texts/ztext/nirgends/"}}));
    folder.write_description("treiber.conf",
                             kjv_description("Treiberlos", {{"ModDrv", "zFoo"}, {"Category", "Biblical Texts"}}));
    folder.write_description("kommentar.conf", "[Kommentar]\nDataPath=./modules/comments/zcom/k/\nModDrv=zCom\n");
    folder.write_description("kaputt.conf", QByteArray("\x00\x01\xff\xfe kaputt \x00 = \n", 16));
}

// A module known by its name alone.
BibleModuleInfo refused(const char* name, const char* detail)
{
    return {name, name, "", "", false, "beschädigt", detail};
}

} // namespace

TEST(SwordLibrary, ListsEveryBibleModuleAndTheReasonItCannotBeChosen)
{
    const SwordTestFolder folder;
    add_damaged_modules(folder);
    const std::vector<BibleModuleInfo> expected{
        {"Abgeschnitten", "KJV", "King James Version", "en", false, "beschädigt",
         "Die Datei ot.bzs verweist über das Ende der Textdaten hinaus."},
        {"engKJV2006eb", "KJV", "King James Version", "en", true, "", ""},
        {"engWEB2015eb", "WEB", "World English Bible with Deuterocanon", "en", true, "", ""},
        {"Fremdformat", "Fremdformat", "Fremdformat", "en", false, "beschädigt", "Das Textformat „Foo“ ist unbekannt."},
        {"GerElb1905", "GerElb1905", "German Darby Unrevidierte Elberfelder (1905)", "de", true, "", ""},
        {"Gesperrt", "Gesperrt", "Gesperrt", "en", false, "gesperrt",
         "Das Modul ist verschlüsselt, und sein Schlüssel fehlt."},
        refused("kaputt", "Die Beschreibung kaputt.conf ist nicht lesbar."),
        {"NurNT", "NT", "King James Version", "en", true, "", ""},
        {"Ohnedaten", "Ohnedaten", "Ohnedaten", "en", false, "beschädigt", "Die Textdateien fehlen."},
        {"Schluessel", "Schluessel", "Schluessel", "en", true, "", ""},
        refused("Treiberlos", "Libsword kann das Modul nicht öffnen."),
        {"Verzeichnisende", "KJV", "King James Version", "en", false, "beschädigt",
         "Die Datei nt.bzv ist abgeschnitten."},
        {"Verzeichnisrest", "KJV", "King James Version", "en", false, "beschädigt",
         "Die Datei ot.bzv ist abgeschnitten."},
        {"Zeiger", "KJV", "King James Version", "en", false, "beschädigt",
         "Die Datei ot.bzv verweist über das Ende der Textdaten hinaus."},
    };
    EXPECT_EQ(SwordLibrary(folder.path()).modules(), expected);
}

TEST(SwordLibrary, LooksWhereTheSwordProgramsLook)
{
    // SWORD_PATH names the folder, and the user's ~/.sword adds to it.
    const SwordTestFolder folder;
    const QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(".sword/mods.d")));
    ASSERT_TRUE(QFile::link(folder.file("modules"), home.filePath(".sword/modules")));
    QFile description(folder.file("mods.d/engkjv2006eb.conf"));
    ASSERT_TRUE(description.open(QIODevice::ReadOnly));
    QFile home_description(home.filePath(".sword/mods.d/home.conf"));
    ASSERT_TRUE(home_description.open(QIODevice::WriteOnly));
    home_description.write(description.readAll().replace("[engKJV2006eb]", "[HomeKJV]"));
    home_description.close();

    const QByteArray old_home = qgetenv("HOME");
    qputenv("SWORD_PATH", QFile::encodeName(folder.path()));
    qputenv("HOME", QFile::encodeName(home.path()));
    QStringList names;
    const SwordLibrary library;
    for (const BibleModuleInfo& m : library.modules())
        names << m.name + (m.usable ? "" : " " + m.detail);
    qputenv("HOME", old_home);
    qunsetenv("SWORD_PATH");
    EXPECT_EQ(names, QStringList({"engKJV2006eb", "engWEB2015eb", "GerElb1905", "HomeKJV"}));
}

TEST(SwordLibrary, OpensOnlyAListedUsableModule)
{
    const SwordTestFolder folder;
    add_damaged_modules(folder);
    const SwordLibrary library(folder.path());
    for (const char* name : {"Gesperrt", "Abgeschnitten", "kaputt", "engKJV2006", "Kommentar"})
        EXPECT_THROW(library.open(name, BibleFrame()), BibleModuleError) << name;
    const std::unique_ptr<BibleSource> kjv = library.open("engKJV2006eb", BibleFrame());
    EXPECT_EQ(kjv->name(), "engKJV2006eb");
    EXPECT_EQ(kjv->short_name(), "KJV");
    EXPECT_EQ(kjv->description(), "King James Version");
    EXPECT_EQ(kjv->language(), "en");
    // A module with a key may be chosen; with a wrong one its text turns out
    // unreadable.
    EXPECT_THROW(library.open("Schluessel", BibleFrame())->verse_text(1, 1, 1), BibleModuleError);
}

namespace {

// Every file and folder below `path` with its size and time of change.
std::map<QString, std::pair<qint64, QDateTime>> snapshot(const QString& path)
{
    std::map<QString, std::pair<qint64, QDateTime>> files;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files[info.filePath()] = {info.size(), info.lastModified()};
    }
    return files;
}

} // namespace

TEST(SwordLibrary, WritesNothingInTheModuleFolders)
{
    const SwordTestFolder folder;
    add_damaged_modules(folder);
    const auto before = snapshot(folder.path());
    {
        const SwordLibrary library(folder.path());
        for (const BibleModuleInfo& m : library.modules()) {
            if (!m.usable)
                continue;
            const std::unique_ptr<BibleSource> source = library.open(m.name, BibleFrame("NRSV"));
            for (int book : {1, 19, 43, 66}) {
                try {
                    source->has_book(book);
                    source->chapter(book, 1);
                } catch (const BibleModuleError&) {
                    // the module with a wrong key
                }
            }
        }
    }
    EXPECT_EQ(snapshot(folder.path()), before);
}

TEST(SwordLibrary, DataThatFailsWhileReadIsAModuleError)
{
    const SwordTestFolder folder;
    // Compressed blocks that no longer inflate, in files of their sizes.
    const QString garbled = folder.copy_module("engKJV2006eb", "Verdorben");
    QFile blocks(garbled + "/nt.bzz");
    ASSERT_TRUE(blocks.open(QIODevice::ReadWrite));
    QByteArray data = blocks.readAll();
    for (qsizetype i = 2; i < data.size(); i += 3)
        data[i] = char(data[i] * 7 + 13);
    blocks.seek(0);
    blocks.write(data);
    blocks.close();
    const SwordLibrary library(folder.path());
    const std::unique_ptr<BibleSource> source = library.open("Verdorben", BibleFrame());
    EXPECT_THROW(source->chapter(43, 3), BibleModuleError);
    EXPECT_EQ(source->chapter(1, 1).size(), 31u);
    // Files gone after the module was listed.
    const std::unique_ptr<BibleSource> web = library.open("engWEB2015eb", BibleFrame());
    ASSERT_TRUE(QDir(folder.file("modules/texts/ztext/engWEB2015eb")).removeRecursively());
    EXPECT_THROW(web->chapter(1, 1), BibleModuleError);
}
