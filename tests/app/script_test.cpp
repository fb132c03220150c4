#include "script.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptStep::Kind;

ScriptStep only_step(const QString& text)
{
    const ParsedScript script = parse_script(text);
    EXPECT_TRUE(script.error.isEmpty()) << script.error.toStdString();
    EXPECT_EQ(script.steps.size(), 1u);
    return script.steps.empty() ? ScriptStep{} : script.steps.front();
}

TEST(Script, CommentsAndBlankLinesAreSkipped)
{
    const ParsedScript script = parse_script(QStringLiteral("# a session\n\n   # indented\nclick 1\r\n"));
    ASSERT_TRUE(script.error.isEmpty());
    ASSERT_EQ(script.steps.size(), 1u);
    EXPECT_EQ(script.steps[0].kind, Kind::click);
    EXPECT_EQ(script.steps[0].x, 1);
    EXPECT_EQ(script.steps[0].line, 4);
}

TEST(Script, NumbersOfEveryCommand)
{
    EXPECT_EQ(only_step(QStringLiteral("click -120")).x, -120);
    const ScriptStep choose = only_step(QStringLiteral("choose books 18"));
    EXPECT_EQ(choose.kind, Kind::choose);
    EXPECT_EQ(choose.name, QStringLiteral("books"));
    EXPECT_EQ(choose.x, 18);
    EXPECT_EQ(only_step(QStringLiteral("key inpdatum 13")).x, 13);
    const ScriptStep cursor = only_step(QStringLiteral("cursor -3 45"));
    EXPECT_EQ(cursor.kind, Kind::cursor);
    EXPECT_EQ(cursor.x, -3);
    EXPECT_EQ(cursor.y, 45);
    EXPECT_EQ(only_step(QStringLiteral("selftest")).kind, Kind::selftest);
}

TEST(Script, TextsAreTheRestOfTheLineUnchanged)
{
    const ScriptStep type = only_step(QStringLiteral("type inpvolltext Gott,  Vater! # kein Kommentar"));
    EXPECT_EQ(type.kind, Kind::type);
    EXPECT_EQ(type.name, QStringLiteral("inpvolltext"));
    EXPECT_EQ(type.text, QStringLiteral("Gott,  Vater! # kein Kommentar"));
    EXPECT_EQ(only_step(QStringLiteral("type inpdatum")).text, QString());

    const ScriptStep link = only_step(QStringLiteral("link 1 BIBLE|19_23_1/19_24_1|"));
    EXPECT_EQ(link.kind, Kind::link);
    EXPECT_EQ(link.x, 1);
    EXPECT_EQ(link.text, QStringLiteral("BIBLE|19_23_1/19_24_1|"));

    EXPECT_EQ(only_step(QStringLiteral("dump out dir/day 1.json")).text, QStringLiteral("out dir/day 1.json"));
}

TEST(Script, AMalformedLineNamesItsLineAndDropsTheWholeScript)
{
    const ParsedScript script = parse_script(QStringLiteral("click 1\n\njump 3\n"));
    EXPECT_TRUE(script.steps.empty());
    EXPECT_TRUE(script.error.startsWith(u"line 3: ")) << script.error.toStdString();
    for (const char* line : {"click x", "choose books", "choose inpfoo 1", "type inpautor Meier", "key inpdatum Enter",
                             "link 2 GOTO1.1.2024|", "resize -1 10", "selftest now", "dump"})
        EXPECT_TRUE(parse_script(QString::fromUtf8(line)).error.startsWith(u"line 1: ")) << line;
}

} // namespace
