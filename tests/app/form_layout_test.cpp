// SPDX-License-Identifier: GPL-2.0-or-later
#include "form_layout.h"

#include <gtest/gtest.h>

namespace {

// The design places of the controls that the layout moves.
FormGeometry design()
{
    return {{1020, 4440, 9615, 5415}, {600, 4740, 9615, 5415}, {0, 0, 7000, 480},
            {0, 0, 7000, 480},        {0, 0, 7000, 480},       {0, 600, 6855, 2895}};
}

// The views start at top 480 after start-up.
FormGeometry started(float W, float H)
{
    FormGeometry g = design();
    place_views_at_start(g, W, H);
    return g;
}

TEST(FormResize, ViewsFillTheClientAreaBelowTheStripButNeverLowerThan100)
{
    const FormGeometry g = Form_Resize_layout(12000, 9000, started(12000, 9000));
    EXPECT_EQ(g.WB0, (TwipsRect{0, 480, 12000, 8520}));
    EXPECT_EQ(g.WB1, g.WB0);
    EXPECT_EQ(g.bg, (TwipsRect{0, 0, 12000, 480}));
    EXPECT_EQ(Form_Resize_layout(9000, 300, started(9000, 9000)).WB1.height, 100);
    EXPECT_EQ(Form_Resize_layout(9000, 581, started(9000, 9000)).WB0.height, 101);
    // At start there is no minimum.
    EXPECT_EQ(started(12000, 500).WB0, (TwipsRect{0, 480, 12000, 20}));
}

TEST(FormResize, RowsAndPanelAreCentredOnlyInAWiderClientAreaKeepingTopsAndSizes)
{
    const struct {
        float width;
        float row_left;
        float panel_left;
    } cases[] = {{6000, 0, 0}, {6855, 0, 0}, {6857, 0, 1}, {7002, 1, 73.5f}, {12000, 2500, 2572.5f}};
    for (const auto& c : cases) {
        const FormGeometry g = Form_Resize_layout(c.width, 9000, design());
        EXPECT_EQ(g.headline0.left, c.row_left) << c.width;
        EXPECT_EQ(g.headline1.left, c.row_left) << c.width;
        EXPECT_EQ(g.sframe, (TwipsRect{c.panel_left, 600, 6855, 2895})) << c.width;
        EXPECT_EQ(g.headline0.top, 0);
        EXPECT_EQ(g.bg.height, 480);
    }
}

TEST(Twips, FifteenTwipsPerPixelAt96Dpi)
{
    EXPECT_EQ(TwipsScale::for_dpi(96, 96).pixels(TwipsRect{5760, 600, 990, 195}), QRect(384, 40, 66, 13));
    EXPECT_EQ(TwipsScale::for_dpi(144, 120).pixels(TwipsRect{300, 300, 300, 300}), QRect(30, 25, 30, 25));
}

} // namespace
