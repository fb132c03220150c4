#include "hover.h"

#include <gtest/gtest.h>

namespace {

// A window at screen pixel (100, 50) with a title bar of 30 pixels and no
// side border; button 1 of the day row ("nächster Tag", left 2760) in a row
// centred at left 2500.
HoverGeometry next_day_button()
{
    HoverGeometry g;
    g.window_left = 1500;
    g.window_top = 750;
    g.window_height = 9450;
    g.client_height = 9000;
    g.container_left = 2500;
    g.container_top = 0;
    g.button = {2760, 120, 300, 300};
    return g;
}

const TwipsScale at_96_dpi = TwipsScale::for_dpi(96, 96);

// The button's rectangle in twips: left = 1500 + 2500 + 2760 + 4 = 6764,
// top = 750 + 0 + 120 + 450 - 4 = 1316, inclusive up to +300 both ways.
TEST(Hover, CursorInsideTheComputedRectangleEdgesIncluded)
{
    EXPECT_TRUE(cursor_on_button({460, 95}, at_96_dpi, next_day_button()));  // 6900, 1425
    EXPECT_FALSE(cursor_on_button({-5, 95}, at_96_dpi, next_day_button())) << "outside the window";
    // At 96 dpi pixel edges are 15 twips apart; a scale of one twip per
    // pixel reaches the exact edges.
    const TwipsScale twips{1, 1};
    const HoverGeometry g = next_day_button();
    EXPECT_TRUE(cursor_on_button({6764, 1316}, twips, g));
    EXPECT_TRUE(cursor_on_button({7064, 1616}, twips, g));
    EXPECT_FALSE(cursor_on_button({6763, 1400}, twips, g));
    EXPECT_FALSE(cursor_on_button({7065, 1400}, twips, g));
    EXPECT_FALSE(cursor_on_button({6900, 1315}, twips, g));
    EXPECT_FALSE(cursor_on_button({6900, 1617}, twips, g));
}

TEST(Hover, CursorTwipsAreRoundedHalfToEven)
{
    // 14.5 twips per pixel: pixel 465 gives 6742.5, rounded down to the even
    // 6742; pixel 467 gives 6771.5, rounded up to the even 6772.
    const TwipsScale scale{14.5, 1};
    HoverGeometry g = next_day_button();
    const auto left_edge_at = [&g](float twips) { g.button.left = twips - 4 - 1500 - 2500; };

    left_edge_at(6742);
    EXPECT_TRUE(cursor_on_button({465, 1400}, scale, g));
    left_edge_at(6743);
    EXPECT_FALSE(cursor_on_button({465, 1400}, scale, g));
    left_edge_at(6772);
    EXPECT_TRUE(cursor_on_button({467, 1400}, scale, g));
}

} // namespace
