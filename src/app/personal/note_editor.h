// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The small window in which a note of several lines is written. It saves
// with Ctrl+S and when it is closed; Esc closes it, asking first when the
// text has changes.

#include <QString>
#include <QWidget>

#include <functional>

class QPlainTextEdit;

class NoteEditor : public QWidget {
    Q_OBJECT

public:
    using Save = std::function<bool(const QString& text)>;  // false: keep the window open
    NoteEditor(const QString& title, const QString& text, Save on_save, QWidget* parent);

    QPlainTextEdit* edit() const { return edit_; }
    // Saves the text when it has changes; false when saving failed.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* edit_;
    Save save_;
    QString saved_;
    bool discard_ = false;
};
