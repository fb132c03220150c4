// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's command line:
//   selunar [--data-dir DIR] [--today YYYY-MM-DD] [--script FILE] [--settings FILE] [--personal FILE]
//           [--sword DIR] [--once] [--help] [--version]
// --data-dir names the folder of the data files, --today replaces the
// system's date, --script runs a scripted session without showing the window,
// --settings keeps the window's place in FILE instead of the user's
// configuration folder (a scripted session keeps it only there), --personal
// keeps reading progress, favourites and notes in FILE instead of the user's
// data folder (a scripted session keeps them only there), --sword reads the
// Bible modules of the SWORD folder DIR alone, --once ends at once
// when today's page was shown on this day already.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    std::optional<QString> data_dir;
    std::optional<QDate> today;
    std::optional<QString> script;
    std::optional<QString> settings;
    std::optional<QString> personal;
    std::optional<QString> sword;
    bool once = false;     // start only when today's page was not shown today
    bool help = false;     // print the usage and end
    bool version = false;  // print the version and end
};

struct CommandLineResult {
    CommandLine options;
    QString error;  // empty when the arguments were understood; German
    QString usage;  // the German usage text with every option
};

// Reads `arguments`, the program name first. Qt's own texts in the usage
// and the errors (headings, unknown options, missing values) are German
// when the application has Qt's German translation installed.
CommandLineResult parse_command_line(const QStringList& arguments);
