// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Lengths on screen are kept in twips (1/1440 inch), as the window's layout is
// given; widgets are placed in pixels converted with the screen's logical DPI.

#include <QRect>

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// Twips per pixel of a screen, horizontally and vertically (15 at 96 dpi).
struct TwipsScale {
    double per_pixel_x = 15;
    double per_pixel_y = 15;

    static TwipsScale for_dpi(double dpi_x, double dpi_y);

    // Nearest pixel of a length or position in twips.
    int pixels_x(double twips) const;
    int pixels_y(double twips) const;
    QRect pixels(const TwipsRect& rect) const;

    double twips_x(double pixels) const { return pixels * per_pixel_x; }
    double twips_y(double pixels) const { return pixels * per_pixel_y; }
};
