// SPDX-License-Identifier: GPL-2.0-or-later
#include "hover.h"

#include <gtest/gtest.h>

namespace {

// A window at screen pixel (100, 50) with a title bar of 30 pixels and no
// side border; button 1 of the day row ("nächster Tag", left 2760) in a row
// centred at left 2500. Its rectangle in twips: left 1500 + 2500 + 2760 + 4 =
// 6764, top 750 + 0 + 120 + 450 - 4 = 1316, inclusive up to +300 both ways.
HoverGeometry next_day_button()
{
    return {1500, 750, 9450, 9000, 2500, 0, {2760, 120, 300, 300}};
}

TEST(Hover, CursorInsideTheComputedRectangleEdgesIncluded)
{
    const TwipsScale at_96_dpi = TwipsScale::for_dpi(96, 96);
    EXPECT_TRUE(cursor_on_button({460, 95}, at_96_dpi, next_day_button()));
    EXPECT_FALSE(cursor_on_button({-5, 95}, at_96_dpi, next_day_button())) << "outside the window";
    // At 96 dpi pixel edges are 15 twips apart; one twip per pixel reaches the exact edges.
    const struct {
        QPoint cursor;
        bool on;
    } cases[] = {{{6764, 1316}, true},  {{7064, 1616}, true},  {{6763, 1400}, false},
                 {{7065, 1400}, false}, {{6900, 1315}, false}, {{6900, 1617}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(cursor_on_button(c.cursor, TwipsScale{1, 1}, next_day_button()), c.on)
            << c.cursor.x() << ", " << c.cursor.y();
}

TEST(Hover, CursorTwipsAreRoundedHalfToEven)
{
    // 14.5 twips per pixel: pixel 465 gives 6742.5, rounded down to the even
    // 6742; pixel 467 gives 6771.5, rounded up to the even 6772.
    const struct {
        int pixel;
        float left_edge;
        bool on;
    } cases[] = {{465, 6742, true}, {465, 6743, false}, {467, 6772, true}};
    for (const auto& c : cases) {
        HoverGeometry g = next_day_button();
        g.button.left = c.left_edge - 4 - 1500 - 2500;
        EXPECT_EQ(cursor_on_button({c.pixel, 1400}, TwipsScale{14.5, 1}, g), c.on) << c.pixel << " " << c.left_edge;
    }
}

} // namespace
