// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The hover rule of the picture buttons, apart from the widgets: whether the
// cursor rests on a button, measured the way the window's timer does it.

#include "twips.h"

#include <QPoint>

// The window's outer place and the button's place, all in twips.
struct HoverGeometry {
    float window_left = 0;    // outer left on the screen, border included
    float window_top = 0;     // outer top on the screen, title bar included
    float window_height = 0;  // outer height
    float client_height = 0;  // height of the client area
    float container_left = 0; // the button's container within the window
    float container_top = 0;
    TwipsRect button;         // the button within its container
};

// Whether `cursor` (screen pixels) lies on the button: the cursor is turned
// into twips (rounded half to even); the button's rectangle starts at the
// window's left plus 4 twips of border, and below the whole difference between
// outer and client height less 4 twips; all four edges count as inside.
bool cursor_on_button(QPoint cursor, const TwipsScale& scale, const HoverGeometry& geometry);
