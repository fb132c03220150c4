// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(Drawing drawing, QWidget* parent)
    : QWidget(parent)
    , drawing_(std::move(drawing))
{
}

void PictureButton::paintEvent(QPaintEvent*)
{
    // Drawn on demand so that the picture stays crisp on a screen of another
    // device pixel ratio.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio)
        picture_ = drawing_(ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    pressed_inside_ = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_inside_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_inside_ = false;
    if (click)
        Q_EMIT clicked();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT clicked();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
