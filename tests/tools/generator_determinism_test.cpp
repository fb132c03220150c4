// SPDX-License-Identifier: GPL-2.0-or-later
// The generator as a program: two runs of the demo give the same bytes in
// every file, both editions' books included; a run that cannot do its work
// says why and fails; the Bible converter refuses what is no Bible and
// leaves the old file alone.

#include "sqlite_test.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <rawtext.h>
#include <versekey.h>

#include <map>

namespace {

struct Outcome {
    int code;
    QString out;
    QString errors;
};

Outcome generate(const QStringList& arguments)
{
    QProcess generator;
    generator.start(SELUNAR_DEMODATA_EXE, arguments);
    EXPECT_TRUE(generator.waitForFinished(120'000));
    EXPECT_EQ(generator.exitStatus(), QProcess::NormalExit);
    return {generator.exitCode(), QString::fromUtf8(generator.readAllStandardOutput()),
            QString::fromUtf8(generator.readAllStandardError())};
}

Outcome generate_demo(const QString& folder, const QString& templates = SELUNAR_TEMPLATE_DIR)
{
    return generate({"--sword-path", SELUNAR_SWORD_DIR, folder, templates});
}

// Relative path → SHA-256 of every file under `folder`.
std::map<QString, QByteArray> file_hashes(const QString& folder)
{
    std::map<QString, QByteArray> hashes;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        hashes[QDir(folder).relativeFilePath(file.fileName())] =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return hashes;
}

TEST(GeneratorDeterminism, TwoRunsWriteIdenticalFiles)
{
    QTemporaryDir first, second;
    ASSERT_EQ(generate_demo(first.path()).code, 0);
    ASSERT_EQ(generate_demo(second.path()).code, 0);
    const auto hashes = file_hashes(first.path());
    // The Bible, two books (2025's alone in its folder), six templates and
    // fourteen pictures; no part-written file left.
    EXPECT_EQ(hashes.size(), 3u + 6u + 14u);
    for (const char* file : {"qov.mdb", "2025/qov.mdb", "elberfelderbibel.mdb", "qov_pics/vertrauen.png"})
        EXPECT_TRUE(hashes.count(file)) << file;
    EXPECT_EQ(hashes, file_hashes(second.path()));
}

TEST(GeneratorDeterminism, AMissingTemplateFolderOrBibleModuleIsReportedAndFails)
{
    QTemporaryDir out;
    const Outcome no_templates = generate_demo(out.path(), out.path() + "/no-such-folder");
    EXPECT_NE(no_templates.code, 0);
    EXPECT_TRUE(no_templates.errors.contains("no-such-folder"));
    const Outcome no_module = generate({"--sword-path", out.path(), out.path(), SELUNAR_TEMPLATE_DIR});
    EXPECT_NE(no_module.code, 0);
    EXPECT_TRUE(no_module.errors.contains("GerElb1905")) << no_module.errors.toStdString();
}

void write_file(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A SWORD folder with a commentary, a Bible without text and a Bible in ThML
// with the Luther versification (Joel with 4 chapters, Malachi with 3) whose
// only text is 1. Mose 1,1 with a footnote.
void write_sword_folder(const QString& folder)
{
    write_file(folder + "/mods.d/kommentar.conf",
               "[Kommentar]\nDataPath=./modules/comments/rawcom/kommentar/\nModDrv=RawCom\n");
    write_file(folder + "/mods.d/leer.conf",
               "[Leer]\nDataPath=./modules/texts/rawtext/leer/\nModDrv=RawText\nSourceType=OSIS\n");
    write_file(folder + "/mods.d/luther.conf",
               "[Luther]\nDataPath=./modules/texts/rawtext/luther/\nModDrv=RawText\nSourceType=ThML\n"
               "Encoding=UTF-8\nVersification=Luther\nGlobalOptionFilter=ThMLFootnotes\n");
    for (const char* name : {"leer", "luther"}) {
        const QByteArray path = QFile::encodeName(folder + "/modules/texts/rawtext/" + name + "/");
        QDir().mkpath(QString::fromLocal8Bit(path));
        sword::RawText::createModule(path.constData(), std::strcmp(name, "luther") == 0 ? "Luther" : "KJV");
    }
    sword::RawText luther(QFile::encodeName(folder + "/modules/texts/rawtext/luther/").constData(), nullptr,
                          nullptr, nullptr, sword::ENC_UTF8, sword::DIRECTION_LTR, sword::FMT_THML, nullptr, "Luther");
    sword::VerseKey key;
    key.setVersificationSystem("Luther");
    key.setText("Gen 1:1");
    luther.setKey(key);
    luther.setEntry("Am Anfang<note>Fu\xC3\x9Fnote</note> schuf Gott Himmel und Erde.");
}

TEST(BibleConverter, RefusesWhatIsNoBibleInGermanWritesNothingThenReplacesTheFileWhole)
{
    QTemporaryDir sword, out;
    write_sword_folder(sword.path());
    const QString target = out.path() + "/elberfelderbibel.mdb";
    write_file(target, "old");
    const auto convert = [&](const QString& module, const QString& folder) {
        return generate({"--bible-module", module, "--sword-path", sword.path(), "--out", folder});
    };
    const std::pair<const char*, QString> refusals[] = {
        {"Fehlt", QString::fromUtf8("Das SWORD-Modul „Fehlt“ ist im Ordner „%1“ nicht installiert.").arg(sword.path())},
        {"Kommentar", QString::fromUtf8("Das SWORD-Modul „Kommentar“ ist keine Bibel, sondern vom Typ „Commentaries“.")},
        {"Leer", QString::fromUtf8("Das SWORD-Modul „Leer“ enthält keinen Bibeltext.")},
    };
    for (const auto& [module, message] : refusals) {
        const Outcome run = convert(module, out.path());
        EXPECT_EQ(run.code, 1) << module;
        EXPECT_EQ(run.errors.toStdString(), ("selunar_demodata: " + message + "\n").toStdString());
    }
    const Outcome no_folder = convert("Luther", out.path() + "/fehlt");
    EXPECT_EQ(no_folder.code, 1);
    EXPECT_TRUE(no_folder.errors.contains(QString::fromUtf8("Der Ordner „%1/fehlt“ existiert nicht.").arg(out.path())));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"elberfelderbibel.mdb"});
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");

    const Outcome done = convert("Luther", out.path());
    EXPECT_EQ(done.code, 0) << done.errors.toStdString();
    for (const char* line : {"Joel: 4 Kapitel, die Bücherliste nennt 3", "Maleachi: 3 Kapitel, die Bücherliste nennt 4",
                             "Exodus", "2. Mose: kein Vers mit Text"})
        EXPECT_EQ(done.out.contains(QString::fromUtf8(line)), std::strcmp(line, "Exodus") != 0) << line;
    EXPECT_FALSE(done.out.contains(QString::fromUtf8("1. Mose:")));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"elberfelderbibel.mdb"});
    EXPECT_EQ(sqlite_value(target, "SELECT Bible_Text FROM texte WHERE book=1 AND chapter=1 AND verse=1").toString().toStdString(),
              "Am Anfang schuf Gott Himmel und Erde.");
    EXPECT_EQ(sqlite_value(target, "SELECT max(chapter) FROM texte WHERE book=29").toInt(), 4);
}

} // namespace
