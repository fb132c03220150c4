// SPDX-License-Identifier: GPL-2.0-or-later
#include "widget_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

void ensure_widget_application()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "selunar_widget_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: a widget application must not end among the static
    // destructors of the process.
    new QApplication(argc, argv);
}

void click_in_page(QTextEdit& view, const QString& text)
{
    const QTextCursor found = view.document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(view.document());
    middle.setPosition(found.selectionStart() + text.size() / 2);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.cursorRect(middle).center());
}
