// SPDX-License-Identifier: GPL-2.0-or-later
#include "rectangle_shape.h"

#include <QPainter>

RectangleShape::RectangleShape(QColor fill, QColor border, QWidget* parent)
    : QWidget(parent)
    , fill_(fill)
    , border_(border)
{
    // Clicks go to whatever lies beneath, as they would on a drawn shape.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectangleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RectangleShape::set_colours(QColor fill, QColor border)
{
    fill_ = fill;
    border_ = border;
    update();
}
