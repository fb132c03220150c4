// SPDX-License-Identifier: GPL-2.0-or-later
#include "command_line.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, OptionsAndErrors)
{
    int argc = 1;
    char name[] = "selunar";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    QTranslator qt_german;
    ASSERT_TRUE(qt_german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&qt_german);

    EXPECT_TRUE(parse_command_line({"selunar"}).error.isEmpty());
    const CommandLineResult all = parse_command_line(
        {"selunar", "--data-dir", "/data", "--today", "2024-03-05", "--script", "s.script", "--settings", "k.ini", "-h",
         "--version"});
    ASSERT_TRUE(all.error.isEmpty()) << all.error.toStdString();
    EXPECT_EQ(all.options.data_dir, QStringLiteral("/data"));
    EXPECT_EQ(all.options.today, QDate(2024, 3, 5));
    EXPECT_EQ(all.options.script, QStringLiteral("s.script"));
    EXPECT_EQ(all.options.settings, QStringLiteral("k.ini"));
    EXPECT_TRUE(all.options.help && all.options.version);
    for (const char* part : {"Aufruf: selunar", "Optionen:", "--data-dir <Ordner>", "--today <JJJJ-MM-TT>",
                             "--script <Datei>", "--settings <Datei>", "-h, --help", "-v, --version"})
        EXPECT_TRUE(all.usage.contains(QLatin1String(part))) << part << " not in\n" << all.usage.toStdString();

    const std::pair<QStringList, const char*> bad[] = {
        {{"--today", "5.3.2024"}, "--today erwartet ein Datum JJJJ-MM-TT, nicht '5.3.2024'."},
        {{"--today", "2024-02-30"}, "--today erwartet ein Datum JJJJ-MM-TT, nicht '2024-02-30'."},
        {{"--script"}, "Nach '--script' fehlt der Wert."},
        {{"--verbose"}, "Unbekannte Option 'verbose'."},
        {{"file.script"}, "Unerwartetes Argument 'file.script'."},
    };
    for (const auto& [arguments, error] : bad) {
        const CommandLineResult result = parse_command_line(QStringList{"selunar"} + arguments);
        EXPECT_EQ(result.error.toStdString(), error);
        EXPECT_FALSE(result.options.help || result.options.version);
    }
}

} // namespace
