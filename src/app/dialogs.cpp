// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxes::MessageBoxes(Mode mode)
    : mode_(mode)
{
}

void MessageBoxes::show(QWidget* parent, const QString& text)
{
    texts_.append(text);
    if (mode_ == Mode::Record)
        return;

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("qov"), text, QMessageBox::Ok, parent);
    // A command may be running under the wait pointer; the box itself wants
    // the normal arrow so that the user sees it can be answered.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
}
