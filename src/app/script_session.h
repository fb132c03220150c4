// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Runs a scripted session's steps on the window, as a user would act.

#include "script.h"

#include <QPoint>
#include <QString>

#include <vector>

class Form1;

class ScriptSession {
public:
    // From now on the window's hover tick reads the cursor from the script
    // (the screen's top-left corner until a "cursor" step moves it).
    explicit ScriptSession(Form1& form);

    // Runs `steps` in order. Returns empty text, or "line N: ..." for the
    // first step that could not be carried out (an entry beyond a list, a
    // control the window lacks, a file that cannot be written); the steps
    // after it do not run.
    QString run(const std::vector<ScriptStep>& steps);

private:
    QString run_step(const ScriptStep& step);
    QString choose(const QString& list_name, int index);
    QString type(const QString& field_name, const QString& text);
    QString press_key(const QString& field_name, int code);
    QString follow_link(int view, const QString& address);
    QString dump(const QString& path);
    QString screenshot(const QString& path);
    QString press_keys(const QString& keys);
    QString personal_change(const ScriptStep& step);
    QString select_all(int view);
    QString speak(const ScriptStep& step);

    Form1& form_;
    QPoint cursor_;
};
