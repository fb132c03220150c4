// SPDX-License-Identifier: GPL-2.0-or-later
// The window's size at start-up and the layout on every change of size.

#include "form1.h"

#include <QResizeEvent>
#include <QScreen>

#include <cmath>

namespace {
constexpr double start_width = 12000;
constexpr double greatest_start_height = 13500;
}

void Form1::size_window_at_start()
{
    // The window's outer size and place; the frame is not known before the
    // window is shown, so fit_outer_size() corrects the client size then.
    const QRect screen_pixels = screen()->geometry();
    const double screen_width = scale_.twips_x(screen_pixels.width());
    const double screen_height = scale_.twips_y(screen_pixels.height());
    const double width = start_width;
    const double height = 0.9 * screen_height < greatest_start_height ? 0.9 * screen_height
                                                                     : greatest_start_height;
    const double left = std::abs(screen_width - width) / 2;
    const double top = std::abs(screen_height - height) / 2;
    move(screen_pixels.x() + scale_.pixels_x(left), screen_pixels.y() + scale_.pixels_y(top));
    resize(scale_.pixels_x(width), scale_.pixels_y(height));
}

void Form1::fit_outer_size()
{
    const QSize frame = frameGeometry().size() - size();
    if (!frame.isNull())
        resize(size() - frame);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    const auto W = static_cast<float>(scale_.twips_x(width()));
    const auto H = static_cast<float>(scale_.twips_y(height()));
    layout_ = Form_Resize_layout(W, H, layout_);
    apply_layout();
}
