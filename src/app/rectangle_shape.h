// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A rectangle shape: a solid fill with a thin border, drawn inside its bounds.

#include <QColor>
#include <QWidget>

class RectangleShape : public QWidget {
    Q_OBJECT

public:
    RectangleShape(QColor fill, QColor border, QWidget* parent = nullptr);
    void set_colours(QColor fill, QColor border);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};
