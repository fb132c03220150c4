// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's layout rule, apart from the widgets: where the views, the two
// button rows, the strip background and the search panel go for a given
// client area. All lengths in twips, computed in single precision.

#include "twips.h"

// The places that the layout changes, as the window holds them.
struct FormGeometry {
    TwipsRect WB0;
    TwipsRect WB1;
    TwipsRect headline0;
    TwipsRect headline1;
    TwipsRect bg;
    TwipsRect sframe;

    bool operator==(const FormGeometry&) const = default;
};

// Form_Resize for a client area of W x H twips: both views at left 0, top 480
// (the top they have), full width, reaching the bottom of the client area but
// never lower than 100; both rows centred on the width of row 0 (left 0 when
// the client is not wider); the strip background as wide as the client area;
// the search panel centred (left 0 when the client is not wider). Tops of the
// rows and the panel, and every other length, stay as they are.
FormGeometry Form_Resize_layout(float W, float H, FormGeometry current);

// The start-up placement of the views: left 0, top 480, the client width, and
// the client height less 480 (no minimum).
void place_views_at_start(FormGeometry& geometry, float W, float H);
