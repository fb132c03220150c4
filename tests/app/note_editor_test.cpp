// SPDX-License-Identifier: GPL-2.0-or-later
// The note editor keeps what was written: Ctrl+S and closing save, Esc asks
// before it drops changes and leaves an unchanged note alone.

#include "note_editor.h"
#include "widget_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Answer {
    QMessageBox::StandardButton button;
    const char* typed;
    QStringList saved;
    bool closed;
};

TEST(NoteEditor, SavesWhatWasWrittenAndAsksBeforeDroppingIt)
{
    ensure_widget_application();
    const std::vector<Answer> rows = {
        {QMessageBox::NoButton, "", {}, true},  // unchanged: Esc closes without asking
        {QMessageBox::Save, "neu", {"altneu"}, true},
        {QMessageBox::Discard, "neu", {}, true},
        {QMessageBox::Cancel, "neu", {}, false},
    };
    for (const Answer& row : rows) {
        SCOPED_TRACE(row.button);
        QStringList saved;
        QPointer editor = new NoteEditor(QStringLiteral("Tag"), QStringLiteral("alt"),
                                         [&](const QString& text) { return saved.append(text), true; }, nullptr);
        editor->show();
        editor->edit()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor->edit(), QString::fromUtf8(row.typed));
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(row.button)->click();
            }
        });
        QTest::keyClick(editor->edit(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_EQ(asked, row.button != QMessageBox::NoButton);
        EXPECT_EQ(saved, row.saved);
        EXPECT_EQ(editor.isNull(), row.closed);
        delete editor;
    }

    QStringList saved;
    QPointer editor = new NoteEditor(QStringLiteral("Tag"), QString(),
                                     [&](const QString& text) { return saved.append(text), true; }, nullptr);
    editor->show();
    // Ctrl+S is a shortcut of the editor's window, which must be the active one.
    QApplication::setActiveWindow(editor);
    QTest::keyClicks(editor->edit(), QStringLiteral("eins"));
    QTest::keyClick(editor->edit(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClicks(editor->edit(), QStringLiteral("zwei"));
    editor->close();
    EXPECT_EQ(saved, (QStringList{QStringLiteral("eins"), QStringLiteral("einszwei")}));
}

} // namespace
