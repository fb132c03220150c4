// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures of the window, drawn in code so that they stay crisp at any device pixel
// ratio. Every picture has a transparent background; the button strip's colour shows
// through. Needs a QGuiApplication.

// Picture of button `index` (0..19, see commands.h), normal or its pressed "hover twin",
// at device pixel ratio `dpr` (a ratio that is not positive counts as 1): 20x20
// device-independent pixels for a toolbar button, 66x13 for a go button, on a transparent
// background. Buttons with the same symbol get pixel-identical pictures; the pressed one
// shows it one pixel further right and down, with the bevel's edges exchanged. Any other
// index gives a null pixmap.
QPixmap button_picture(int index, bool pressed, qreal dpr);

// Logo of row 0 ("SELUNAR" in grey capitals) or row 1 ("BIBEL"), 47x20, transparent.
// Any other row gives a null pixmap.
QPixmap logo_picture(int row, qreal dpr);

// The window icon: a closed book with a cross, 16x16 to 256x256.
QIcon window_icon();
