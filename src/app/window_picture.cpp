// SPDX-License-Identifier: GPL-2.0-or-later
#include "window_picture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

QImage shown_picture(QWidget& window)
{
    QWindow* handle = window.windowHandle();
    if (!handle || !window.isVisible())
        return {};
    // One step can leave work that posts more: a page rewritten for a new
    // palette lays itself out, then asks to be drawn. The window system's
    // answers (exposures, a new size) arrive after a round trip to it.
    const QDeadlineTimer deadline(5000);
    for (;;) {
        QGuiApplication::sync();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
        if (handle->isExposed() || deadline.hasExpired())
            break;
        QThread::msleep(10);
    }
    if (!handle->isExposed())
        return {};
    // What the platform itself shows: the offscreen platform's backing store,
    // the X server's screen under the window.
    return handle->screen()->grabWindow(window.winId()).toImage();
}
