// SPDX-License-Identifier: GPL-2.0-or-later
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

const QColor white(255, 255, 255);

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPen stroke(const QColor& colour, qreal width = 4)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void draw_rock(QPainter& p, const QColor&)
{
    p.setBrush(white);
    p.drawPolygon(QPolygonF({{10, 50}, {24, 22}, {32, 32}, {40, 18}, {54, 50}}));
}

void draw_candle(QPainter& p, const QColor&)
{
    p.setBrush(white);
    p.drawRect(QRectF(25, 30, 14, 24));
    QPainterPath flame;
    flame.moveTo(32, 8);
    flame.cubicTo(40, 18, 38, 26, 32, 26);
    flame.cubicTo(26, 26, 24, 18, 32, 8);
    p.drawPath(flame);
    p.setPen(stroke(white, 2));
    p.drawLine(QPointF(32, 26), QPointF(32, 30));
}

void draw_sun(QPainter& p, const QColor&)
{
    p.setBrush(white);
    p.drawEllipse(QPointF(32, 32), 10, 10);
    p.setPen(stroke(white));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(32 + 15 * std::cos(a), 32 + 15 * std::sin(a)),
                   QPointF(32 + 23 * std::cos(a), 32 + 23 * std::sin(a)));
    }
}

void draw_anchor(QPainter& p, const QColor&)
{
    p.setPen(stroke(white));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(32, 13), 4, 4);
    p.drawLine(QPointF(32, 17), QPointF(32, 52));
    p.drawLine(QPointF(22, 25), QPointF(42, 25));
    p.drawArc(QRectF(14, 22, 36, 30), 180 * 16, 180 * 16);
    p.drawLine(QPointF(14, 37), QPointF(11, 31));
    p.drawLine(QPointF(50, 37), QPointF(53, 31));
}

void draw_heart(QPainter& p, const QColor&)
{
    QPainterPath heart;
    heart.moveTo(32, 52);
    heart.cubicTo(8, 36, 12, 10, 32, 22);
    heart.cubicTo(52, 10, 56, 36, 32, 52);
    p.setBrush(white);
    p.drawPath(heart);
}

void draw_rainbow(QPainter& p, const QColor&)
{
    p.setBrush(Qt::NoBrush);
    const int alphas[] = {255, 200, 145};
    const qreal radii[] = {22, 16, 10};
    for (int i = 0; i < 3; ++i) {
        QColor c = white;
        c.setAlpha(alphas[i]);
        p.setPen(stroke(c, 5));
        p.drawArc(QRectF(32 - radii[i], 46 - radii[i], 2 * radii[i], 2 * radii[i]), 0, 180 * 16);
    }
}

void draw_wheat(QPainter& p, const QColor&)
{
    p.setPen(stroke(white, 3));
    p.drawLine(QPointF(32, 56), QPointF(32, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 22 + i * 8;
        for (int side : {-1, 1}) {
            p.save();
            p.translate(32 + side * 5, y);
            p.rotate(side * 35);
            p.drawEllipse(QPointF(0, 0), 6, 3);
            p.restore();
        }
    }
    p.drawEllipse(QPointF(32, 13), 3, 6);
}

void draw_cross(QPainter& p, const QColor&)
{
    p.setBrush(white);
    p.drawRect(QRectF(28, 9, 8, 46));
    p.drawRect(QRectF(17, 20, 30, 8));
}

void draw_tree(QPainter& p, const QColor&)
{
    p.setBrush(white);
    p.drawRect(QRectF(29, 36, 6, 18));
    p.drawEllipse(QPointF(32, 24), 14, 13);
    p.drawEllipse(QPointF(21, 32), 9, 8);
    p.drawEllipse(QPointF(43, 32), 9, 8);
}

void draw_circles(QPainter& p, const QColor&)
{
    p.setPen(stroke(white));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 26), 11, 11);
    p.drawEllipse(QPointF(40, 26), 11, 11);
    p.drawEllipse(QPointF(32, 40), 11, 11);
}

void draw_book(QPainter& p, const QColor& colour)
{
    p.setBrush(white);
    p.drawPolygon(QPolygonF({{9, 17}, {31, 21}, {31, 51}, {9, 47}}));
    p.drawPolygon(QPolygonF({{33, 21}, {55, 17}, {55, 47}, {33, 51}}));
    p.setPen(stroke(colour, 2));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 28 + i * 5;
        p.drawLine(QPointF(14, y - 2), QPointF(27, y));
        p.drawLine(QPointF(37, y), QPointF(50, y - 2));
    }
}

void draw_shield(QPainter& p, const QColor& colour)
{
    QPainterPath shield;
    shield.moveTo(32, 9);
    shield.lineTo(51, 15);
    shield.lineTo(51, 30);
    shield.cubicTo(51, 42, 43, 50, 32, 55);
    shield.cubicTo(21, 50, 13, 42, 13, 30);
    shield.lineTo(13, 15);
    shield.closeSubpath();
    p.setBrush(white);
    p.drawPath(shield);
    p.setPen(stroke(colour, 4));
    p.drawLine(QPointF(32, 17), QPointF(32, 46));
    p.drawLine(QPointF(21, 28), QPointF(43, 28));
}

void draw_symbol(QPainter& p, AreaSymbol symbol, const QColor& colour)
{
    switch (symbol) {
    case AreaSymbol::rock: return draw_rock(p, colour);
    case AreaSymbol::candle: return draw_candle(p, colour);
    case AreaSymbol::sun: return draw_sun(p, colour);
    case AreaSymbol::anchor: return draw_anchor(p, colour);
    case AreaSymbol::heart: return draw_heart(p, colour);
    case AreaSymbol::rainbow: return draw_rainbow(p, colour);
    case AreaSymbol::wheat: return draw_wheat(p, colour);
    case AreaSymbol::cross: return draw_cross(p, colour);
    case AreaSymbol::tree: return draw_tree(p, colour);
    case AreaSymbol::circles: return draw_circles(p, colour);
    case AreaSymbol::book: return draw_book(p, colour);
    case AreaSymbol::shield: return draw_shield(p, colour);
    }
}

void save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write the picture " + path.toStdString());
}

} // namespace

QImage area_picture(const TopicArea& area)
{
    QImage image = blank(area_picture_size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(area.colour);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(Qt::NoPen);
    draw_symbol(p, area.symbol, area.colour);
    return image;
}

QImage logo_picture()
{
    QImage image = blank(64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2c, 0x3e, 0x66));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath moon;
    moon.addEllipse(QPointF(30, 32), 18, 18);
    QPainterPath bite;
    bite.addEllipse(QPointF(39, 26), 15, 15);
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    p.drawPath(moon.subtracted(bite));
    p.setBrush(white);
    p.drawEllipse(QPointF(46, 44), 2.5, 2.5);
    p.drawEllipse(QPointF(52, 16), 2, 2);
    p.drawEllipse(QPointF(40, 53), 1.5, 1.5);
    return image;
}

QImage arrow_picture()
{
    QImage image = blank(12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x3b, 0x12));
    p.drawPolygon(QPolygonF({{3, 1.5}, {10, 6}, {3, 10.5}}));
    return image;
}

void write_pictures(const QString& folder)
{
    for (const TopicArea& area : topic_areas())
        save(area_picture(area), folder + "/" + area.picture);
    save(logo_picture(), folder + "/selunar.png");
    save(arrow_picture(), folder + "/pfeil.png");
}
