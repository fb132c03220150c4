// SPDX-License-Identifier: GPL-2.0-or-later
#include "wait_cursor.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

bool WaitCursor::showing()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}
