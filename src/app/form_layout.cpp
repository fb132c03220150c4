// SPDX-License-Identifier: GPL-2.0-or-later
#include "form_layout.h"

namespace {
constexpr float view_top = 480;
constexpr float view_minimum_height = 100;
}

FormGeometry Form_Resize_layout(float W, float H, FormGeometry g)
{
    g.WB0.left = 0;
    g.WB0.top = view_top;
    g.WB0.width = W;
    g.WB1.left = 0;
    g.WB1.top = view_top;
    g.WB1.width = W;

    if (H - g.WB0.top > view_minimum_height) {
        g.WB0.height = H - g.WB0.top;
        g.WB1.height = H - g.WB1.top;
    } else {
        g.WB0.height = view_minimum_height;
        g.WB1.height = view_minimum_height;
    }

    float x = (W - g.headline0.width) / 2;
    g.headline0.left = x > 0 ? x : 0;
    g.headline1.left = g.headline0.left;

    g.bg.width = W;

    x = (W - g.sframe.width) / 2;
    g.sframe.left = x > 0 ? x : 0;
    return g;
}

void place_views_at_start(FormGeometry& g, float W, float H)
{
    for (TwipsRect* view : {&g.WB0, &g.WB1}) {
        view->left = 0;
        view->top = view_top;
        view->width = W;
        view->height = H - view_top;
    }
}
