#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures of the window, drawn in code so that they stay crisp at any device pixel
// ratio. Every picture has a transparent background; the button strip's colour shows
// through. Needs a QGuiApplication.

// Picture of button `index` (0..19) of the window, normal or its pressed "hover twin",
// drawn at device pixel ratio `dpr` (the pixmap's devicePixelRatio is set to dpr, so its
// device-independent size is 20x20 for the toolbar buttons and 66x13 for the go buttons
// 6, 7, 8, 9 and 19). Transparent background.
// Buttons with the same meaning in both rows get pixel-identical pictures; the pressed
// picture shows the same symbol one pixel further right and down, with the bevel's light
// and dark edges exchanged. An index outside 0..19 gives a null pixmap; a ratio that is
// not positive counts as 1.
QPixmap button_picture(int index, bool pressed, qreal dpr);

// Logo of row 0 ("SELUNAR" in grey capitals) or row 1 ("BIBEL"), 47x20, transparent.
// Any other row gives a null pixmap.
QPixmap logo_picture(int row, qreal dpr);

// The window icon: a closed book with a cross, 16x16 to 256x256.
QIcon window_icon();
