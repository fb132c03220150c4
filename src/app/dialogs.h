// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's message boxes: the caption is the application's title "qov",
// the only button is OK, there is no icon; a question has Ja and Nein. Every
// text shown is kept in order; in a scripted session the boxes are only
// recorded (and count as answered with OK or Ja), never shown.

#include <QString>
#include <QStringList>

class QWidget;

class MessageBoxes {
public:
    enum class Mode { Show, Record };

    explicit MessageBoxes(Mode mode);

    // Shows `text` modally over `parent` (or only records it) and returns once
    // the user has pressed OK.
    void show(QWidget* parent, const QString& text);

    // Asks `text` with the buttons Ja and Nein (or only records it, answered
    // Ja) and returns whether the answer was Ja.
    bool ask(QWidget* parent, const QString& text);

    // Every text shown so far, oldest first.
    const QStringList& texts() const { return texts_; }

private:
    Mode mode_;
    QStringList texts_;
};
