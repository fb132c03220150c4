// The drawn pictures at the promises their header makes: sizes, a symbol on
// a transparent background, shared art where the meaning is shared, the
// pressed twin's shift.

#include "pictures.h"
#include "widget_application.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage button_image(int index, bool pressed, qreal dpr = 1)
{
    return button_picture(index, pressed, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaque_pixels(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128;
    return opaque;
}

TEST(Pictures, EveryButtonHasItsOwnSymbolOrSharesItsMeaningsAndShiftsItWhenPressed)
{
    ensure_widget_application();
    const std::pair<int, int> shared[] = {{0, 13}, {1, 14}, {3, 16}, {4, 17}, {5, 18}, {6, 7}, {6, 8}, {6, 9}, {6, 19}};
    const int own_art[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 15};
    for (qreal dpr : {1.0, 2.0}) {
        for (int index : own_art) {
            SCOPED_TRACE(index);
            const QImage normal = button_image(index, false, dpr);
            const QSize size = index == 6 ? QSize(66, 13) : QSize(20, 20);
            EXPECT_EQ(normal.size(), size * dpr);
            EXPECT_EQ(qAlpha(normal.pixel(0, 0)), 0);
            EXPECT_GT(opaque_pixels(normal), 12 * dpr * dpr);
            // Clear of the bevel, a pressed toolbar symbol is the normal one a pixel right and down.
            const int d = int(dpr);
            const QRect inside(2 * d, 2 * d, 15 * d, 15 * d);
            EXPECT_TRUE(index == 6 || button_image(index, true, dpr).copy(inside.translated(d, d)) == normal.copy(inside));
            for (int other : own_art)
                EXPECT_TRUE(other == index || button_image(other, false, dpr) != normal) << other;
        }
        for (auto [first, second] : shared)
            EXPECT_EQ(button_image(first, true, dpr), button_image(second, true, dpr)) << first << " " << second;
    }
    EXPECT_TRUE(button_picture(20, false, 1).isNull());
    EXPECT_FALSE(logo_picture(1, 1).isNull());
    EXPECT_NE(logo_picture(0, 1).toImage(), logo_picture(1, 1).toImage());
    EXPECT_TRUE(window_icon().availableSizes().contains(QSize(256, 256)));
}

} // namespace
