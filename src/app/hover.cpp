// SPDX-License-Identifier: GPL-2.0-or-later
#include "hover.h"

#include <cmath>

namespace {
// Whole numbers as the timer compares them: a half goes to the even neighbour
// (the default rounding mode of the floating-point unit).
long nearest(double value)
{
    return std::lrint(value);
}

constexpr float border = 4;
}

bool cursor_on_button(QPoint cursor, const TwipsScale& scale, const HoverGeometry& g)
{
    const long cx = nearest(cursor.x() * scale.per_pixel_x);
    const long cy = nearest(cursor.y() * scale.per_pixel_y);
    const long left = nearest(g.window_left + g.container_left + g.button.left + border);
    const long top = nearest(g.window_top + g.container_top + g.button.top
                             + (g.window_height - g.client_height) - border);
    return cx >= left && cy >= top && cx <= left + g.button.width && cy <= top + g.button.height;
}
