#pragma once
// Runs the program on a scripted session and collects what it wrote: the
// exit code, the error output and every JSON dump, by file name.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// One dump of the window's state.
struct Dump {
    QJsonObject json;

    QString text(const char* key) const;                     // actdate, actbcv, suchworte, ...
    QString text(const char* group, const char* key) const;  // fields, captions, top_anchor
    QString page(const char* view) const;                    // the page written into WB0 or WB1
    bool shows(const QString& control) const;                // a test failure when there is no such control
    QJsonValue list(const char* name, const char* member) const;  // count, index, text, items, data
    QStringList strings(const char* key) const;              // messages, queries
    QString last_query() const;
    // The queries run after those of `before`, a dump taken earlier in the session.
    QStringList queries_since(const Dump& before) const;
};

struct Session {
    int exit_code = -1;
    QString errors;  // what the program wrote to stderr
    std::map<QString, QJsonObject> dumps;

    // The dump written to `name`; an empty one (and a test failure) when the
    // session wrote none.
    Dump dump(const QString& name) const;
};

struct SessionOptions {
    QString today = QStringLiteral("2024-03-05");
    QString data_dir = QStringLiteral(SELUNAR_DATA_DIR);
};

// Runs the script file `name` of tests/app/sessions, once per test process:
// later calls with the same options give the same session. A test failure
// when it does not end with exit code 0. Dump paths in the script are
// relative to a fresh folder that the session runs in.
const Session& run_session(const QString& name, const SessionOptions& options = {});

// Runs a script given as text.
Session run_script_text(const QString& text, const SessionOptions& options = {});
