// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture control: shows one picture at its top-left corner, offers a tool
// tip and reports a click (press and release of the left mouse button on it,
// or Space or Enter while it has the focus, which a dotted frame shows).

#include <QPixmap>
#include <QWidget>

#include <functional>

class PictureButton : public QWidget {
    Q_OBJECT

public:
    // Draws the picture for a device pixel ratio.
    using Drawing = std::function<QPixmap(qreal device_pixel_ratio)>;

    explicit PictureButton(Drawing drawing, QWidget* parent = nullptr);

    // Presses the button, as assistive technology does.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Drawing drawing_;
    QPixmap picture_;  // drawn at the ratio of the last paint
    bool pressed_inside_ = false;
};
