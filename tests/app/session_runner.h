#pragma once
// The window's scripted sessions (sessions/*.script) and a reader of their
// dumps, on top of the hardening tests' session runner.

#include "scripted_session.h"

#include <QJsonArray>

// One dump of the window's state.
struct Dump {
    Dump(const QJsonObject& dump = {}) : json(dump) {}

    QString text(const char* key) const;                     // actdate, actbcv, suchworte, ...
    QString text(const char* group, const char* key) const;  // fields, captions, top_anchor
    QString page(const char* view) const;                    // the page written into WB0 or WB1
    bool shows(const QString& control) const;                // a test failure when there is no such control
    QJsonValue list(const char* name, const char* member) const;  // count, index, text, items, data
    QStringList strings(const char* key) const;              // messages, queries
    QString last_query() const;
    // The queries run after those of `before`, a dump taken earlier in the session.
    QStringList queries_since(const Dump& before) const;

    QJsonObject json;
};

struct Session : SessionOutcome {
    Dump dump(const QString& name) const { return SessionOutcome::dump(name); }
};

// Runs the script file `name` of sessions/ over the demo data, once per test
// process: later calls with the same date give the same session. A test
// failure when it does not end with exit code 0.
const Session& run_session_file(const QString& name, const QString& today = QStringLiteral("2024-03-05"));

// Runs the lines of `script` over the data folder `data_dir`.
Session run_script(const QString& script, const QString& data_dir = QStringLiteral(SELUNAR_DATA_DIR),
                   const QString& today = QStringLiteral("2024-03-05"));
