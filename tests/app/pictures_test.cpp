#include "pictures.h"
#include "widget_application.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace {

const std::vector<int> toolbar_buttons{0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int go_button = 6;  // 7, 8, 9 and 19 share its art
constexpr qreal whole_ratios[] = {1, 2};

class Pictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }
};

QImage image_of(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage button_image(int index, bool pressed, qreal dpr)
{
    return image_of(button_picture(index, pressed, dpr));
}

// The smallest rectangle that holds every white pixel of `image`.
QRect white_box(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

int brightness(QRgb pixel)
{
    return qGray(pixel) * qAlpha(pixel);
}

// Transparent corners around more than `minimum` solid pixels.
void expect_something_on_transparent(const QImage& image, double minimum)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << ", " << corner.y();
    int opaque = 0;
    for (int y = 0; y <= bottom; ++y)
        for (int x = 0; x <= right; ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128;
    EXPECT_GT(opaque, minimum);
}

std::string label(int index, bool pressed, qreal dpr)
{
    return "button " + std::to_string(index) + (pressed ? " pressed" : " normal") + " at dpr " + std::to_string(dpr);
}

TEST_F(Pictures, SizesAndSomethingOnATransparentBackgroundAtEveryRatio)
{
    for (qreal dpr : whole_ratios) {
        for (bool pressed : {false, true}) {
            for (int index : toolbar_buttons) {
                SCOPED_TRACE(label(index, pressed, dpr));
                const QPixmap picture = button_picture(index, pressed, dpr);
                EXPECT_EQ(picture.size(), QSize(20, 20) * dpr);
                EXPECT_EQ(picture.devicePixelRatio(), dpr);
                // The bevel alone is thin and half transparent; a symbol needs solid pixels.
                expect_something_on_transparent(image_of(picture), 12 * dpr * dpr);
            }
            SCOPED_TRACE(label(go_button, pressed, dpr));
            const QPixmap go = button_picture(go_button, pressed, dpr);
            EXPECT_EQ(go.deviceIndependentSize(), QSizeF(66, 13));
            expect_something_on_transparent(image_of(go), 66 * 13 * dpr * dpr / 2);
        }
        for (int row : {0, 1}) {
            SCOPED_TRACE("logo " + std::to_string(row));
            EXPECT_EQ(logo_picture(row, dpr).deviceIndependentSize(), QSizeF(47, 20));
            expect_something_on_transparent(image_of(logo_picture(row, dpr)), 20 * dpr * dpr);
        }
    }
    const QIcon icon = window_icon();
    for (QSize size : {QSize(32, 32), QSize(256, 256)}) {
        SCOPED_TRACE("icon " + std::to_string(size.width()));
        ASSERT_TRUE(icon.availableSizes().contains(size));
        ASSERT_EQ(icon.pixmap(size).size(), size);
        expect_something_on_transparent(image_of(icon.pixmap(size)), size.width() * size.height() / 4);
    }
}

TEST_F(Pictures, OddRatiosAndUnknownIndexesAreHandled)
{
    // A fractional ratio covers the whole button; one that is not positive counts as one.
    EXPECT_EQ(button_picture(6, false, 1.5).size(), QSize(99, 20));
    for (qreal dpr : {0.0, qQNaN()}) {
        EXPECT_EQ(button_picture(3, false, dpr).devicePixelRatio(), 1.0);
        EXPECT_EQ(button_image(3, false, dpr), button_image(3, false, 1));
    }
    for (int index : {-1, 20})
        EXPECT_TRUE(button_picture(index, false, 1).isNull()) << index;
    EXPECT_TRUE(logo_picture(2, 1).isNull());
}

TEST_F(Pictures, ButtonsShareTheirArtExactlyWhenTheyShareTheirMeaning)
{
    const std::pair<int, int> shared[] = {{0, 13}, {1, 14}, {3, 16}, {4, 17}, {5, 18},
                                          {6, 7},  {6, 8},  {6, 9},  {6, 19}};
    const std::vector<int> own_art{0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 15};
    for (bool pressed : {false, true}) {
        for (qreal dpr : whole_ratios)
            for (auto [first, second] : shared)
                EXPECT_EQ(button_image(first, pressed, dpr), button_image(second, pressed, dpr))
                    << label(first, pressed, dpr) << " vs " << second;
        for (size_t i = 0; i < own_art.size(); ++i)
            for (size_t j = i + 1; j < own_art.size(); ++j)
                EXPECT_NE(button_image(own_art[i], pressed, 1), button_image(own_art[j], pressed, 1))
                    << label(own_art[i], pressed, 1) << " vs " << own_art[j];
    }
    EXPECT_NE(image_of(logo_picture(0, 1)), image_of(logo_picture(1, 1)));
}

TEST_F(Pictures, PressedButtonsMoveTheirSymbolOnePixelRightAndDownAndSwapTheirEdges)
{
    for (qreal dpr : whole_ratios) {
        const int d = static_cast<int>(dpr);
        // Clear of the bevel: a toolbar symbol (solid, see above) stays inside 2..17
        // when normal and 3..18 when pressed.
        const QRect normal_area(2 * d, 2 * d, 15 * d, 15 * d);
        for (int index : toolbar_buttons) {
            EXPECT_EQ(button_image(index, true, dpr).copy(normal_area.translated(d, d)),
                      button_image(index, false, dpr).copy(normal_area))
                << label(index, true, dpr);
        }

        SCOPED_TRACE(label(go_button, true, dpr));
        const QImage normal = button_image(go_button, false, dpr);
        const QImage pressed = button_image(go_button, true, dpr);
        const QRect word_box = white_box(normal);
        // The word is long and stays clear of the red rim.
        EXPECT_GT(word_box.width(), 30 * d);
        EXPECT_TRUE(normal.rect().adjusted(d, d, -d, -d).contains(word_box));
        EXPECT_EQ(white_box(pressed), word_box.translated(d, d));
        EXPECT_EQ(pressed.copy(word_box.translated(d, d)), normal.copy(word_box));

        for (int index : {0, go_button}) {
            const QImage up = button_image(index, false, dpr);
            const QImage down = button_image(index, true, dpr);
            const int middle = up.width() / 2;
            const int bottom = up.height() - 1;
            EXPECT_GT(brightness(up.pixel(middle, 0)), brightness(up.pixel(middle, bottom))) << index;
            EXPECT_LT(brightness(down.pixel(middle, 0)), brightness(down.pixel(middle, bottom))) << index;
        }
    }
}

} // namespace
