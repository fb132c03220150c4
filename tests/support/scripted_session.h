#pragma once
// Runs the program on a scripted session over a data folder and collects
// what it left: how it ended, what it wrote to stderr, and its JSON dumps.

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <ostream>

struct SessionOutcome {
    bool finished = false;  // ended by itself within the time limit
    bool crashed = false;   // ended by a signal
    int exit_code = -1;
    QString errors;
    std::map<QString, QJsonObject> dumps;  // by file name

    // The dump written to `name`; a test failure and an empty object when
    // the session wrote none.
    QJsonObject dump(const QString& name) const;
};

// Runs `script` (the lines of a session) with `data_dir` as the program's
// folder and `today` as today's date. Dump paths in the script are relative
// to a fresh working folder. `environment` entries are added to the
// program's environment.
SessionOutcome run_session(const QString& data_dir, const QString& script,
                           const QString& today = QStringLiteral("2024-03-05"),
                           const QStringList& environment = {});

// Reading dumps.
QString page_text(const QJsonObject& dump, const QString& view);  // html.WB0 / html.WB1
QStringList messages(const QJsonObject& dump);
bool is_visible(const QJsonObject& dump, const QString& control);

// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
