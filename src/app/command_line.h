#pragma once
// The program's command line:
//   selunar [--data-dir DIR] [--today YYYY-MM-DD] [--script FILE] [--settings FILE]
// --data-dir replaces the program's folder as the place of the data files,
// --today replaces the system's date, --script runs a scripted session
// without showing the window, --settings keeps the window's place in FILE
// instead of the user's configuration folder (a scripted session keeps it
// only there).

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    std::optional<QString> data_dir;
    std::optional<QDate> today;
    std::optional<QString> script;
    std::optional<QString> settings;
};

struct CommandLineResult {
    CommandLine options;
    QString error;  // empty when the arguments were understood
};

// Reads the arguments after the program name.
CommandLineResult parse_command_line(const QStringList& arguments);

// One line of usage text for error messages.
QString command_line_usage();
