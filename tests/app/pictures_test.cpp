#include "pictures.h"
#include "widget_application.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <vector>

namespace {

const std::vector<int> toolbar_buttons{0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18};
const std::vector<int> go_buttons{6, 7, 8, 9, 19};
const std::vector<qreal> whole_ratios{1, 2};

class Pictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }
};

QImage image_of(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage button_image(int index, bool pressed, qreal dpr)
{
    return image_of(button_picture(index, pressed, dpr));
}

// The smallest rectangle of `area` that holds every pixel `wanted` accepts.
template <typename Predicate>
QRect bounding_box(const QImage &image, const QRect &area, Predicate wanted)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool visible(QRgb pixel)
{
    return qAlpha(pixel) > 0;
}

bool white_ish(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

int opaque_pixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

int brightness(QRgb pixel)
{
    return qGray(pixel) * qAlpha(pixel);
}

void expect_transparent_corners(const QImage &image, const std::string &what)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << what;
    EXPECT_EQ(qAlpha(image.pixel(right, 0)), 0) << what;
    EXPECT_EQ(qAlpha(image.pixel(0, bottom)), 0) << what;
    EXPECT_EQ(qAlpha(image.pixel(right, bottom)), 0) << what;
}

std::string label(int index, bool pressed, qreal dpr)
{
    return "button " + std::to_string(index) + (pressed ? " pressed" : " normal") + " at dpr " + std::to_string(dpr);
}

TEST_F(Pictures, HaveTheirSizesAtEveryDevicePixelRatio)
{
    for (qreal dpr : whole_ratios) {
        for (bool pressed : {false, true}) {
            for (int index : toolbar_buttons) {
                const QPixmap picture = button_picture(index, pressed, dpr);
                EXPECT_EQ(picture.size(), QSize(20, 20) * dpr) << label(index, pressed, dpr);
                EXPECT_EQ(picture.devicePixelRatio(), dpr) << label(index, pressed, dpr);
            }
            for (int index : go_buttons) {
                EXPECT_EQ(button_picture(index, pressed, dpr).deviceIndependentSize(), QSizeF(66, 13))
                    << label(index, pressed, dpr);
            }
        }
        for (int row : {0, 1})
            EXPECT_EQ(logo_picture(row, dpr).deviceIndependentSize(), QSizeF(47, 20));
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

TEST_F(Pictures, ButtonsOfTheSameMeaningShareTheirArt)
{
    const std::vector<std::pair<int, int>> shared{{0, 13}, {1, 14}, {3, 16}, {4, 17}, {5, 18},
                                                  {6, 7}, {6, 8}, {6, 9}, {6, 19}};
    for (qreal dpr : whole_ratios)
        for (bool pressed : {false, true})
            for (auto [first, second] : shared)
                EXPECT_EQ(button_image(first, pressed, dpr), button_image(second, pressed, dpr))
                    << label(first, pressed, dpr) << " vs " << second;
}

TEST_F(Pictures, ButtonsOfDifferentMeaningLookDifferent)
{
    const std::vector<int> own_art{0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 15};
    for (bool pressed : {false, true})
        for (size_t i = 0; i < own_art.size(); ++i)
            for (size_t j = i + 1; j < own_art.size(); ++j)
                EXPECT_NE(button_image(own_art[i], pressed, 1), button_image(own_art[j], pressed, 1))
                    << own_art[i] << " vs " << own_art[j] << (pressed ? " pressed" : "");
    EXPECT_NE(image_of(logo_picture(0, 1)), image_of(logo_picture(1, 1)));
}

TEST_F(Pictures, EveryPictureShowsSomethingOnATransparentBackground)
{
    for (qreal dpr : whole_ratios) {
        for (bool pressed : {false, true}) {
            for (int index : toolbar_buttons) {
                const QImage image = button_image(index, pressed, dpr);
                expect_transparent_corners(image, label(index, pressed, dpr));
                // The bevel alone is thin and half transparent; a symbol needs solid pixels.
                EXPECT_GT(opaque_pixels(image), 12 * dpr * dpr) << label(index, pressed, dpr);
            }
            const QImage go = button_image(6, pressed, dpr);
            expect_transparent_corners(go, label(6, pressed, dpr));
            EXPECT_GT(opaque_pixels(go), go.width() * go.height() / 2);
        }
        for (int row : {0, 1}) {
            const QImage logo = image_of(logo_picture(row, dpr));
            expect_transparent_corners(logo, "logo");
            EXPECT_GT(opaque_pixels(logo), 20 * dpr * dpr) << "logo " << row;
        }
    }
}

TEST_F(Pictures, PressedToolbarSymbolMovesOnePixelRightAndDown)
{
    for (qreal dpr : whole_ratios) {
        const int d = static_cast<int>(dpr);
        // Clear of the bevel: the symbol stays inside 2..17 when normal and 3..18 when pressed.
        const QRect normal_area(2 * d, 2 * d, 15 * d, 15 * d);
        const QRect pressed_area = normal_area.translated(d, d);
        for (int index : toolbar_buttons) {
            const QImage normal = button_image(index, false, dpr);
            const QImage pressed = button_image(index, true, dpr);
            const QRect normal_box = bounding_box(normal, normal_area, visible);
            ASSERT_FALSE(normal_box.isEmpty()) << label(index, false, dpr);
            EXPECT_EQ(bounding_box(pressed, pressed_area, visible), normal_box.translated(d, d))
                << label(index, true, dpr);
            EXPECT_EQ(pressed.copy(pressed_area), normal.copy(normal_area)) << label(index, true, dpr);
        }
    }
}

TEST_F(Pictures, PressedButtonsSwapTheLightAndDarkEdges)
{
    for (qreal dpr : whole_ratios) {
        for (int index : {0, 6}) {
            const QImage normal = button_image(index, false, dpr);
            const QImage pressed = button_image(index, true, dpr);
            const int middle = normal.width() / 2;
            const int bottom = normal.height() - 1;
            EXPECT_GT(brightness(normal.pixel(middle, 0)), brightness(normal.pixel(middle, bottom)))
                << label(index, false, dpr);
            EXPECT_LT(brightness(pressed.pixel(middle, 0)), brightness(pressed.pixel(middle, bottom)))
                << label(index, true, dpr);
        }
    }
}

TEST_F(Pictures, PressedGoButtonMovesItsWordOnePixelRightAndDown)
{
    for (qreal dpr : whole_ratios) {
        const int d = static_cast<int>(dpr);
        const QImage normal = button_image(6, false, dpr);
        const QImage pressed = button_image(6, true, dpr);
        const QRect word_box = bounding_box(normal, normal.rect(), white_ish);
        ASSERT_FALSE(word_box.isEmpty());
        // The word is long and stays clear of the red rim.
        EXPECT_GT(word_box.width(), 30 * d);
        EXPECT_TRUE(normal.rect().adjusted(d, d, -d, -d).contains(word_box));
        EXPECT_EQ(bounding_box(pressed, pressed.rect(), white_ish), word_box.translated(d, d));
        EXPECT_EQ(pressed.copy(word_box.translated(d, d)), normal.copy(word_box));
    }
}

TEST_F(Pictures, WindowIconComesIn32PixelsAndLarger)
{
    const QIcon icon = window_icon();
    for (QSize size : {QSize(32, 32), QSize(256, 256)}) {
        const QImage image = image_of(icon.pixmap(size));
        ASSERT_TRUE(icon.availableSizes().contains(size));
        ASSERT_EQ(image.size(), size);
        expect_transparent_corners(image, "icon");
        EXPECT_GT(opaque_pixels(image), size.width() * size.height() / 4);
    }
}

}  // namespace
