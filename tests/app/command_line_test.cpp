#include "command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, NoArgumentsStartsTheWindow)
{
    const CommandLineResult result = parse_command_line({});
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_FALSE(result.options.script);
    EXPECT_FALSE(result.options.data_dir);
    EXPECT_FALSE(result.options.today);
}

TEST(CommandLine, AllOptions)
{
    const CommandLineResult result = parse_command_line(
        {"--data-dir", "/data", "--today", "2024-03-05", "--script", "s.script"});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.options.data_dir, QStringLiteral("/data"));
    EXPECT_EQ(result.options.today, QDate(2024, 3, 5));
    EXPECT_EQ(result.options.script, QStringLiteral("s.script"));
}

TEST(CommandLine, Errors)
{
    EXPECT_FALSE(parse_command_line({"--today", "5.3.2024"}).error.isEmpty());
    EXPECT_FALSE(parse_command_line({"--today", "2024-02-30"}).error.isEmpty());
    EXPECT_FALSE(parse_command_line({"--script"}).error.isEmpty());
    EXPECT_FALSE(parse_command_line({"--verbose"}).error.isEmpty());
    EXPECT_FALSE(parse_command_line({"file.script"}).error.isEmpty());
}

} // namespace
