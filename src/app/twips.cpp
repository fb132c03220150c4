// SPDX-License-Identifier: GPL-2.0-or-later
#include "twips.h"

#include <cmath>

namespace {
constexpr double twips_per_inch = 1440;
}

TwipsScale TwipsScale::for_dpi(double dpi_x, double dpi_y)
{
    return {twips_per_inch / dpi_x, twips_per_inch / dpi_y};
}

int TwipsScale::pixels_x(double twips) const
{
    return static_cast<int>(std::lround(twips / per_pixel_x));
}

int TwipsScale::pixels_y(double twips) const
{
    return static_cast<int>(std::lround(twips / per_pixel_y));
}

QRect TwipsScale::pixels(const TwipsRect& rect) const
{
    return {pixels_x(rect.left), pixels_y(rect.top), pixels_x(rect.width), pixels_y(rect.height)};
}
