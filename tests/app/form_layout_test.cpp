#include "form_layout.h"

#include <gtest/gtest.h>

namespace {

// The design places of the controls that the layout moves.
FormGeometry design()
{
    FormGeometry g;
    g.WB0 = {1020, 4440, 9615, 5415};
    g.WB1 = {600, 4740, 9615, 5415};
    g.headline0 = {0, 0, 7000, 480};
    g.headline1 = {0, 0, 7000, 480};
    g.bg = {0, 0, 7000, 480};
    g.sframe = {0, 600, 6855, 2895};
    return g;
}

// The views start at top 480 after start-up.
FormGeometry started(float W, float H)
{
    FormGeometry g = design();
    place_views_at_start(g, W, H);
    return g;
}

TEST(FormResize, ViewsFillTheClientAreaBelowTheStrip)
{
    const FormGeometry g = Form_Resize_layout(12000, 9000, started(12000, 9000));
    for (const TwipsRect& view : {g.WB0, g.WB1})
        EXPECT_EQ(view, (TwipsRect{0, 480, 12000, 8520}));
    EXPECT_EQ(g.bg, (TwipsRect{0, 0, 12000, 480}));
}

TEST(FormResize, ViewsAreNeverLowerThan100)
{
    EXPECT_EQ(Form_Resize_layout(9000, 300, started(9000, 9000)).WB1.height, 100);
    EXPECT_EQ(Form_Resize_layout(9000, 581, started(9000, 9000)).WB0.height, 101);
    // At start there is no minimum.
    EXPECT_EQ(started(12000, 500).WB0, (TwipsRect{0, 480, 12000, 20}));
}

TEST(FormResize, MinimisedWindowKeepsRowsAndPanelAtTheLeft)
{
    const FormGeometry g = Form_Resize_layout(0, 0, started(12000, 9000));
    EXPECT_EQ(g.WB0, (TwipsRect{0, 480, 0, 100}));
    EXPECT_EQ(g.bg.width, 0);
    EXPECT_EQ(g.headline1, (TwipsRect{0, 0, 7000, 480}));
    EXPECT_EQ(g.sframe, (TwipsRect{0, 600, 6855, 2895}));
}

TEST(FormResize, RowsAndPanelAreCentredOnlyInAWiderClientArea)
{
    EXPECT_EQ(Form_Resize_layout(6000, 9000, design()).headline0.left, 0);
    EXPECT_EQ(Form_Resize_layout(7002, 9000, design()).headline1.left, 1);
    EXPECT_EQ(Form_Resize_layout(12000, 9000, design()).headline0.left, 2500);
    EXPECT_EQ(Form_Resize_layout(6855, 9000, design()).sframe.left, 0);
    EXPECT_EQ(Form_Resize_layout(6857, 9000, design()).sframe.left, 1);
    EXPECT_EQ(Form_Resize_layout(12000, 9000, design()).sframe.left, 2572.5f);
}

TEST(FormResize, TopsAndSizesOfRowsAndPanelStay)
{
    FormGeometry g = design();
    g.headline1.top = 0;
    const FormGeometry laid_out = Form_Resize_layout(15000, 9000, g);
    EXPECT_EQ(laid_out.headline1.top, 0);
    EXPECT_EQ(laid_out.sframe.top, 600);
    EXPECT_EQ(laid_out.sframe.width, 6855);
    EXPECT_EQ(laid_out.bg.height, 480);
}

TEST(Twips, FifteenTwipsPerPixelAt96Dpi)
{
    const TwipsScale scale = TwipsScale::for_dpi(96, 96);
    EXPECT_EQ(scale.per_pixel_x, 15);
    EXPECT_EQ(scale.pixels(TwipsRect{5760, 600, 990, 195}), QRect(384, 40, 66, 13));
    EXPECT_EQ(TwipsScale::for_dpi(144, 120).pixels(TwipsRect{300, 300, 300, 300}), QRect(30, 25, 30, 25));
}

} // namespace
