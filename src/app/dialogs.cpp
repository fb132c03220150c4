// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

bool MessageBoxes::ask(QWidget* parent, const QString& text)
{
    texts_.append(text);
    if (mode_ == Mode::Record)
        return true;

    QMessageBox box(QMessageBox::Question, QStringLiteral("qov"), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::No);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    return answer == QMessageBox::Yes;
}
