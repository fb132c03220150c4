// SPDX-License-Identifier: GPL-2.0-or-later
// Module markup through libsword's filters into the plain text a page
// shows, and verses of another numbering in the frame's, on small modules
// written for the test with libsword in each markup.

#include "sword_library.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <rawtext.h>
#include <versekey.h>

namespace {

struct ProbeEntry {
    const char* reference;  // "Gen 1:1"
    QByteArray raw;
};

// Writes a RawText module `name` numbered by `versification` into `folder`.
void write_module(const QString& folder, const QByteArray& name, const QByteArray& description,
                  const char* versification, const std::vector<ProbeEntry>& entries)
{
    const QString data = folder + "/modules/texts/rawtext/" + QString::fromUtf8(name.toLower()) + '/';
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_EQ(sword::RawText::createModule(QFile::encodeName(data).constData(), versification), 0);
    {
        sword::RawText module(QFile::encodeName(data).constData(), nullptr, nullptr, nullptr, sword::ENC_UNKNOWN,
                              sword::DIRECTION_LTR, sword::FMT_UNKNOWN, nullptr, versification);
        sword::VerseKey key;
        key.setVersificationSystem(versification);
        for (const ProbeEntry& entry : entries) {
            key.setText(entry.reference);
            module.setKey(key);
            module.setEntry(entry.raw.constData(), entry.raw.size());
        }
    }
    ASSERT_TRUE(QDir().mkpath(folder + "/mods.d"));
    QFile conf(folder + "/mods.d/" + QString::fromUtf8(name.toLower()) + ".conf");
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write('[' + name + "]\nDataPath=./modules/texts/rawtext/" + name.toLower() + "/\nModDrv=RawText\n"
               + description + "Versification=" + versification + '\n');
}

struct Expected {
    int verse;
    const char* text;
    const char* heading;
};

void expect_chapter(BibleSource& source, int book, int chap, const std::vector<Expected>& expected)
{
    std::vector<SourceVerse> wanted;
    for (const Expected& e : expected)
        wanted.push_back({e.verse, QString::fromUtf8(e.text), QString::fromUtf8(e.heading)});
    EXPECT_EQ(source.chapter(book, chap), wanted) << source.name().toStdString() << " " << book << "_" << chap;
}

} // namespace

void PrintTo(const SourceVerse& v, std::ostream* out)
{
    *out << v.number << " [" << v.heading.toStdString() << "] " << v.text.toStdString();
}

TEST(SwordText, MarkupOfEveryKindBecomesPlainTextWithItsHeadings)
{
    const QTemporaryDir folder;
    write_module(folder.path(), "OsisProbe", "SourceType=OSIS\nEncoding=UTF-8\n", "KJV",
                 {{"Gen 1:1", "In the <w lemma=\"strong:H7225\" morph=\"strongMorph:TH8804\">beginning</w> "
                              "God<note placement=\"foot\">A <hi type=\"italic\">note</hi>.</note>created "
                              "&amp; made &lt;all&gt;."},
                  {"Gen 1:2", "<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"p1\"/><title type=\"section\">"
                              "The <w lemma=\"strong:H1\">Creation</w></title><div type=\"x-milestone\" "
                              "subType=\"x-preverse\" eID=\"p1\"/>And the earth<note type=\"crossReference\">"
                              "<reference osisRef=\"John.1.1\">John 1:1</reference></note> was void."},
                  {"Gen 1:3", "<w lemma=\"strong:H0559\" xlit=\"betacode:wayomer\" gloss=\"said\">And God said</w>,"
                              "<note>x</note> Let there be light:"},
                  {"Gen 1:4", "<l level=\"1\">And God saw the light,</l><l level=\"2\">that it was good</l>"},
                  {"Gen 1:5", "<note>Only a note.</note>"}});
    write_module(folder.path(), "ThmlProbe", "SourceType=ThML\nEncoding=UTF-8\n", "KJV",
                 {{"Gen 1:1", "In the beginning<note>a note</note> God <sync type=\"Strongs\" value=\"H430\"/>created"
                              "<scripRef>John 1:1</scripRef>. &amp; &lt;x&gt;"},
                  {"Gen 1:2", "<div class=\"sechead\">The Creation</div>And the earth"}});
    // Without an encoding a module is Latin-1.
    write_module(folder.path(), "GbfProbe", "SourceType=GBF\n", "KJV",
                 {{"Gen 1:1", "In the beginning<RF>a note<Rf> God<WH0430> created<WTH8804> \xfc" "ber all."},
                  {"Gen 1:2", "<TS>The Creation<Ts>And the earth"}});
    const SwordLibrary library(folder.path());
    const BibleFrame frame;
    expect_chapter(*library.open("OsisProbe", frame), 1, 1,
                   {{1, "In the beginning God created & made <all>.", ""},
                    {2, "And the earth was void.", "The Creation"},
                    {3, "And God said, Let there be light:", ""},
                    {4, "And God saw the light, that it was good", ""}});
    expect_chapter(*library.open("ThmlProbe", frame), 1, 1,
                   {{1, "In the beginning God created. & <x>", ""}, {2, "And the earth", "The Creation"}});
    expect_chapter(*library.open("GbfProbe", frame), 1, 1,
                   {{1, "In the beginning God created über all.", ""}, {2, "The Creation And the earth", ""}});
}

TEST(SwordText, VersesOfAnotherNumberingStandWhereTheFrameNumbersThem)
{
    const QTemporaryDir folder;
    write_module(folder.path(), "NrsvProbe", "SourceType=OSIS\nEncoding=UTF-8\n", "NRSV",
                 {{"Rev 12:17", "Seventeen."}, {"Rev 12:18", "Eighteen."}, {"Rev 13:1", "Thirteen one."},
                  {"Rev 13:2", "Thirteen two."}});
    write_module(folder.path(), "SynodalProbe", "SourceType=OSIS\nEncoding=UTF-8\n", "Synodal",
                 {{"Ps 3:1", "Psalm Davids."}, {"Ps 3:2", "Herr, wie viele."}, {"Ps 3:3", "Viele sagen."}});
    const SwordLibrary library(folder.path());
    const std::unique_ptr<BibleSource> nrsv = library.open("NrsvProbe", BibleFrame("KJV"));
    // Two verses of the module that map onto one of the frame are joined.
    expect_chapter(*nrsv, 66, 12, {{17, "Seventeen.", ""}});
    expect_chapter(*nrsv, 66, 13, {{1, "Eighteen. Thirteen one.", ""}, {2, "Thirteen two.", ""}});
    EXPECT_EQ(nrsv->verse_text(66, 13, 1), "Eighteen. Thirteen one.");
    EXPECT_EQ(nrsv->verse_text(66, 12, 18), "");
    // In its own numbering it reads verse for verse.
    const std::unique_ptr<BibleSource> own = library.open("NrsvProbe", BibleFrame("NRSV"));
    expect_chapter(*own, 66, 12, {{17, "Seventeen.", ""}, {18, "Eighteen.", ""}});
    expect_chapter(*own, 66, 13, {{1, "Thirteen one.", ""}, {2, "Thirteen two.", ""}});
    // A superscription the frame does not number heads verse 1.
    expect_chapter(*library.open("SynodalProbe", BibleFrame("KJV")), 19, 3,
                   {{1, "Herr, wie viele.", "Psalm Davids."}, {2, "Viele sagen.", ""}});
    // A book it holds no verse of.
    EXPECT_TRUE(nrsv->has_book(66));
    EXPECT_FALSE(nrsv->has_book(1));
    EXPECT_EQ(nrsv->chapter_count(66), 22);
    EXPECT_EQ(nrsv->chapter_count(1), 0);
}
