#pragma once
// Runs the program on a scripted session and collects what it wrote: the
// exit code, the error output and every JSON dump, by file name.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>

struct Session {
    int exit_code = -1;
    QString errors;  // what the program wrote to stderr
    std::map<QString, QJsonObject> dumps;

    // The dump written to `name`; an empty object (and a test failure) when
    // the session wrote none.
    QJsonObject dump(const QString& name) const;
};

struct SessionOptions {
    QString today = QStringLiteral("2024-03-05");
    QString data_dir = QStringLiteral(SELUNAR_DATA_DIR);
};

// Runs the script file `name` of tests/app/sessions. Dump paths in it are
// relative to a fresh folder that the session runs in.
Session run_session(const QString& name, const SessionOptions& options = {});

// Runs a script given as text.
Session run_script_text(const QString& text, const SessionOptions& options = {});

// Reading dumps.
bool visible(const QJsonObject& dump, const QString& control);
QStringList strings(const QJsonValue& array);
QString page(const QJsonObject& dump, const QString& view);  // html.WB0 / html.WB1
QJsonObject list(const QJsonObject& dump, const QString& name);
// The queries run after those of `before` (a dump taken earlier in the session).
QStringList queries_since(const QJsonObject& before, const QJsonObject& after);
