// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window as the screen shows it.

#include <QImage>

class QWidget;

// Lets `window` finish what is pending (layouts, rewritten pages, paint
// requests, the window system's exposures), then returns the pixels the
// platform shows of its client area; a null image when it shows none.
QImage shown_picture(QWidget& window);
