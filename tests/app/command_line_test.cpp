#include "command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, OptionsAndErrors)
{
    EXPECT_TRUE(parse_command_line({}).error.isEmpty());
    const CommandLineResult all =
        parse_command_line({"--data-dir", "/data", "--today", "2024-03-05", "--script", "s.script"});
    ASSERT_TRUE(all.error.isEmpty()) << all.error.toStdString();
    EXPECT_EQ(all.options.data_dir, QStringLiteral("/data"));
    EXPECT_EQ(all.options.today, QDate(2024, 3, 5));
    EXPECT_EQ(all.options.script, QStringLiteral("s.script"));

    const QStringList bad[] = {{"--today", "5.3.2024"}, {"--today", "2024-02-30"}, {"--script"}, {"--verbose"},
                               {"file.script"}};
    for (const QStringList& arguments : bad)
        EXPECT_FALSE(parse_command_line(arguments).error.isEmpty()) << arguments.join(u' ').toStdString();
}

} // namespace
