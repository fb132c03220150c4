// SPDX-License-Identifier: GPL-2.0-or-later
#include "script.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptStep::Kind;

TEST(Script, CommentsAndBlankLinesAreSkippedAndLinesCounted)
{
    const ParsedScript script = parse_script(QStringLiteral("# a session\n\n   # indented\nclick 1\r\n"));
    ASSERT_TRUE(script.error.isEmpty());
    ASSERT_EQ(script.steps.size(), 1u);
    EXPECT_EQ(script.steps[0].kind, Kind::click);
    EXPECT_EQ(script.steps[0].x, 1);
    EXPECT_EQ(script.steps[0].line, 4);
}

TEST(Script, NumbersAndTextsOfEveryCommand)
{
    const struct {
        const char* line;
        Kind kind;
        const char* name;
        const char* text;
        int x;
        int y;
    } cases[] = {
        {"click -120", Kind::click, "", "", -120, 0},
        {"choose books 18", Kind::choose, "books", "", 18, 0},
        {"key inpdatum 13", Kind::key, "inpdatum", "", 13, 0},
        {"cursor -3 45", Kind::cursor, "", "", -3, 45},
        {"selftest", Kind::selftest, "", "", 0, 0},
        // Texts are the rest of the line unchanged.
        {"type inpvolltext Gott,  Vater! # kein Kommentar", Kind::type, "inpvolltext", "Gott,  Vater! # kein Kommentar", 0, 0},
        {"type inpdatum", Kind::type, "inpdatum", "", 0, 0},
        {"link 1 BIBLE|19_23_1/19_24_1|", Kind::link, "", "BIBLE|19_23_1/19_24_1|", 1, 0},
        {"dump out dir/day 1.json", Kind::dump, "", "out dir/day 1.json", 0, 0},
        {"shortcut Ctrl++", Kind::shortcut, "", "Ctrl++", 0, 0},
        {"select 1 all", Kind::select, "", "", 1, 0},
        {"copyverse 1 23", Kind::copyverse, "", "", 1, 23},
        {"pdf out/psalm 23.pdf", Kind::pdf, "", "out/psalm 23.pdf", 0, 0},
        {"palette dark", Kind::palette, "dark", "", 0, 0},
        {"selecttext 1 mein Hirte..Auen", Kind::selecttext, "", "mein Hirte..Auen", 1, 0},
        {"speak", Kind::speak, "", "", 0, 0},
        {"speakstop", Kind::speakstop, "", "", 0, 0},
        {"spoken 12", Kind::spoken, "", "", 12, 0},
        {"read on", Kind::read, "day", "", 1, 0},
        {"star verse 7 off", Kind::star, "verse", "", 0, 7},
        {"note verse 12 Erste\\nZweite  Zeile", Kind::note, "verse", "Erste\nZweite  Zeile", 0, 12},
        {"note day", Kind::note, "day", "", 0, 0},
        {"import in put.json", Kind::import_file, "", "in put.json", 0, 0},
        {"quicksearch \"gute  Hirte\" ", Kind::quicksearch, "", "\"gute  Hirte\" ", 0, 0},
        {"quickopen 12", Kind::quickopen, "", "", 12, 0},
        {"hoverlink 0 BIBLE|24_29_7|", Kind::hoverlink, "", "BIBLE|24_29_7|", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedScript script = parse_script(QString::fromUtf8(c.line));
        ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
        ASSERT_EQ(script.steps.size(), 1u);
        const ScriptStep& step = script.steps[0];
        EXPECT_EQ(step.kind, c.kind);
        EXPECT_EQ(step.name, QString::fromUtf8(c.name));
        EXPECT_EQ(step.text, QString::fromUtf8(c.text));
        EXPECT_EQ(step.x, c.x);
        EXPECT_EQ(step.y, c.y);
    }
}

TEST(Script, AMalformedLineNamesItsLineAndDropsTheWholeScript)
{
    const ParsedScript script = parse_script(QStringLiteral("click 1\n\njump 3\n"));
    EXPECT_TRUE(script.steps.empty());
    EXPECT_TRUE(script.error.startsWith(u"line 3: ")) << script.error.toStdString();
    for (const char* line : {"click x", "choose books", "choose inpfoo 1", "type inpautor Meier", "key inpdatum Enter",
                             "link 2 GOTO1.1.2024|", "resize -1 10", "selftest now", "dump", "shortcut", "select 0 some",
                             "copyverse 2 1", "pdf", "palette grey", "selecttext 2 Gott",
                             "speak 1", "speakstop now", "spoken", "spoken 0", "read", "read yes", "star day", "star verse x on",
                             "star week on", "star day on now", "note", "note verse", "note verse x Text", "progress now",
                             "export", "quickopen -1",
                             "quickopen", "hoverlink 2 BIBLE|1_1_1|", "hoverlink 1"})
        EXPECT_TRUE(parse_script(QString::fromUtf8(line)).error.startsWith(u"line 1: ")) << line;
}

} // namespace
