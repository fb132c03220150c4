// SPDX-License-Identifier: GPL-2.0-or-later
// selunar_demodata [--sword-path DIR] PROGRAM_FOLDER TEMPLATE_FOLDER
//   Writes the demo data (the Bible, the books of 2024 and, in the subfolder
//   "2025", of 2025, templates, pictures) into the program folder. Same
//   input, same bytes: the build runs it whenever an output is missing or
//   the generator or its data changed.
// selunar_demodata --bible-module NAME [--sword-path DIR] --out DIR
//   Writes only elberfelderbibel.mdb, from any installed SWORD Bible module.

#include "bible_converter.h"
#include "demo_data.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <exception>

namespace {

const char* const usage =
    "usage: selunar_demodata [--sword-path DIR] PROGRAM_FOLDER TEMPLATE_FOLDER\n"
    "       selunar_demodata --bible-module NAME [--sword-path DIR] --out DIR\n";

int write_demo(const QString& program_folder, const QString& template_folder, const QString& sword_path)
{
    QElapsedTimer timer;
    timer.start();
    try {
        write_demo_data(program_folder, template_folder, sword_path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "selunar_demodata: %s\n", e.what());
        return 1;
    }
    std::printf("demo data written to %s in %lld ms\n", qPrintable(program_folder),
                static_cast<long long>(timer.elapsed()));
    return 0;
}

int convert(const QString& module, const QString& sword_path, const QString& out_folder)
{
    try {
        const ConversionReport report = convert_bible(module, sword_path, out_folder);
        std::printf("%s\n", QString("elberfelderbibel.mdb aus „%1“ geschrieben: %2 Kapitel, %3 Verse mit Text.")
                                .arg(module)
                                .arg(report.chapters)
                                .arg(report.verses_with_text)
                                .toUtf8()
                                .constData());
        if (!report.differences.isEmpty())
            std::printf("%s\n", ("Abweichungen von der Bücherliste des Lesers:\n  "
                                 + report.differences.join("\n  "))
                                    .toUtf8()
                                    .constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "selunar_demodata: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption module_option("bible-module", "SWORD Bible module", "NAME");
    const QCommandLineOption sword_option("sword-path", "SWORD folder (with mods.d/)", "DIR");
    const QCommandLineOption out_option("out", "folder for elberfelderbibel.mdb", "DIR");
    parser.addOptions({module_option, sword_option, out_option});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "selunar_demodata: %s\n%s", qPrintable(parser.errorText()), usage);
        return 2;
    }
    const QStringList folders = parser.positionalArguments();
    const QString sword_path = parser.value(sword_option);
    if (parser.isSet(module_option) && parser.isSet(out_option) && folders.isEmpty())
        return convert(parser.value(module_option), sword_path, parser.value(out_option));
    if (!parser.isSet(module_option) && !parser.isSet(out_option) && folders.size() == 2)
        return write_demo(folders[0], folders[1], sword_path);
    std::fputs(usage, stderr);
    return 2;
}
