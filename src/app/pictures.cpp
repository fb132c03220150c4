// SPDX-License-Identifier: GPL-2.0-or-later
#include "pictures.h"

#include "commands.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <optional>

namespace {

// Device-independent sizes of the pictures.
constexpr QSize toolbar_size(20, 20);
constexpr QSize go_size(66, 13);
constexpr QSize logo_size(47, 20);

// One grey for every symbol, with a touch of the strip's blue so it sits well on it.
const QColor symbol_grey(88, 88, 102);
const QColor logo_grey(112, 112, 126);
const QColor emboss_white(255, 255, 255, 190);
const QColor bevel_light(255, 255, 255, 230);
const QColor bevel_dark(118, 118, 134, 230);
const QColor badge_red(196, 30, 44);
const QColor badge_red_light(236, 112, 118);
const QColor badge_red_dark(128, 14, 24);
const QColor cover_dark(62, 64, 86);
const QColor spine_dark(40, 41, 58);
const QColor cross_gold(232, 196, 92);
const QColor page_cream(250, 246, 232);
const QColor glass_fill(236, 242, 252, 200);

// A transparent image of `size` device-independent pixels at `dpr` (a ratio that is not
// positive counts as 1); painting on it happens in device-independent coordinates.
QImage blank_canvas(QSize size, qreal dpr)
{
    if (!(dpr > 0))
        dpr = 1;
    QImage image(qCeil(size.width() * dpr), qCeil(size.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

QFont letter_font(int pixel_size, bool condensed)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel_size);
    font.setWeight(QFont::Bold);
    if (condensed)
        font.setStretch(QFont::Condensed);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Draws `text` so that its ink is centred on `centre`, with the baseline origin on a whole
// pixel so that the glyphs are hinted alike wherever the text lands.
void draw_centred_text(QPainter &painter, const QString &text, const QFont &font, QPointF centre, const QColor &colour)
{
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const QPointF origin(qRound(centre.x() - ink.center().x()), qRound(centre.y() - ink.center().y()));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(origin, text);
}

// A one-pixel bevel along the inside of the rounded rectangle `outline`: light on the
// top and left, dark on the bottom and right, the other way round when pressed in.
void draw_bevel(QPainter &painter, const QRectF &outline, qreal radius, bool pressed, const QColor &light, const QColor &dark)
{
    const QRectF line = outline.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal half = qMin(outline.width(), outline.height()) / 2;
    const QPolygonF top_left{outline.topLeft(), outline.topRight(),
                             outline.topRight() + QPointF(-half, half),
                             outline.bottomLeft() + QPointF(half, -half), outline.bottomLeft()};
    QPainterPath top_left_area;
    top_left_area.addPolygon(top_left);
    top_left_area.closeSubpath();
    QPainterPath whole;
    whole.addRect(outline);

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setClipPath(top_left_area);
    painter.setPen(QPen(pressed ? dark : light, 1.0));
    painter.drawRoundedRect(line, radius - 0.5, radius - 0.5);
    painter.setClipPath(whole.subtracted(top_left_area));
    painter.setPen(QPen(pressed ? light : dark, 1.0));
    painter.drawRoundedRect(line, radius - 0.5, radius - 0.5);
    painter.restore();
}

void fill_polygon(QPainter &painter, const QPolygonF &polygon, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(polygon);
}

// A triangle 10 pixels high whose tip is at `tip_x` and whose base is 6 pixels behind it.
QPolygonF triangle(qreal tip_x, bool pointing_left)
{
    const qreal base_x = pointing_left ? tip_x + 6 : tip_x - 6;
    return QPolygonF{QPointF(tip_x, 10), QPointF(base_x, 5), QPointF(base_x, 15)};
}

// A closed book standing upright, 13 x 15 units with its top left corner at `origin`:
// the cover with a cross and a darker spine on the left, and one unit of the pages
// showing below and to the right of it. Whole units keep its edges on the pixel grid.
void draw_book(QPainter &painter, QPointF origin, qreal unit)
{
    const auto area = [&](qreal left, qreal top, qreal right, qreal bottom) {
        return QRectF(origin + QPointF(left, top) * unit, origin + QPointF(right, bottom) * unit);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(page_cream);
    painter.drawRoundedRect(area(1, 1, 13, 15), unit, unit);
    painter.setBrush(spine_dark);
    painter.drawRoundedRect(area(0, 0, 12, 14), unit, unit);
    painter.setBrush(cover_dark);
    painter.drawRoundedRect(area(2, 0, 12, 14), unit, unit);
    painter.drawRect(area(2, 0, 4, 14));
    painter.setBrush(cross_gold);
    painter.drawRect(area(6, 3, 8, 11));
    painter.drawRect(area(4, 5, 10, 7));
}

void draw_magnifying_glass(QPainter &painter)
{
    const QPointF lens_centre(8.5, 8.5);
    const qreal lens_radius = 4.5;
    painter.setPen(QPen(symbol_grey, 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12.0, 12.0), QPointF(15.5, 15.5));
    painter.setPen(QPen(symbol_grey, 1.6));
    painter.setBrush(glass_fill);
    painter.drawEllipse(lens_centre, lens_radius, lens_radius);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(lens_centre.x() - 2.6, lens_centre.y() - 2.6, 5.2, 5.2), 100 * 16, 70 * 16);
}

// The full title does not fit 15 pixels legibly; its first three letters do.
void draw_badge(QPainter &painter)
{
    const QRectF badge(2, 4, 15, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badge_red);
    painter.drawRoundedRect(badge, 2.5, 2.5);
    draw_centred_text(painter, QStringLiteral("SEL"), letter_font(8, true), badge.center(), Qt::white);
}

// The symbol of a toolbar button in its normal place, inside 2..17 both ways so that the
// pressed place one pixel further on still clears the bevel and its rounded corners.
void draw_toolbar_symbol(QPainter &painter, ButtonSymbol symbol)
{
    switch (symbol) {
    case ButtonSymbol::previous:
        fill_polygon(painter, triangle(7, true), symbol_grey);
        break;
    case ButtonSymbol::next:
        fill_polygon(painter, triangle(13, false), symbol_grey);
        break;
    case ButtonSymbol::previous_book:
        fill_polygon(painter, triangle(4, true), symbol_grey);
        fill_polygon(painter, triangle(10, true), symbol_grey);
        break;
    case ButtonSymbol::next_book:
        fill_polygon(painter, triangle(10, false), symbol_grey);
        fill_polygon(painter, triangle(16, false), symbol_grey);
        break;
    case ButtonSymbol::today:
        painter.setPen(Qt::NoPen);
        painter.setBrush(symbol_grey);
        painter.drawRoundedRect(QRectF(6, 6, 8, 8), 2, 2);
        break;
    case ButtonSymbol::search:
        draw_magnifying_glass(painter);
        break;
    case ButtonSymbol::imprint:
        draw_centred_text(painter, QStringLiteral("i"), letter_font(15, false), QPointF(10, 10), symbol_grey);
        break;
    case ButtonSymbol::help:
        draw_centred_text(painter, QStringLiteral("?"), letter_font(15, false), QPointF(10, 10), symbol_grey);
        break;
    case ButtonSymbol::bible:
        draw_book(painter, QPointF(4, 2), 1);
        break;
    case ButtonSymbol::badge:
        draw_badge(painter);
        break;
    case ButtonSymbol::go:  // not a toolbar symbol: go_image() draws the go buttons
        break;
    }
}

QImage toolbar_image(ButtonSymbol symbol, bool pressed, qreal dpr)
{
    QImage image = blank_canvas(toolbar_size, dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw_bevel(painter, QRectF(QPointF(0, 0), toolbar_size), 3, pressed, bevel_light, bevel_dark);
    if (pressed)
        painter.translate(1, 1);
    draw_toolbar_symbol(painter, symbol);
    return image;
}

QImage go_image(bool pressed, qreal dpr)
{
    QImage image = blank_canvas(go_size, dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face(QPointF(0, 0), go_size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badge_red);
    painter.drawRoundedRect(face, 3.5, 3.5);
    draw_bevel(painter, face, 3.5, pressed, badge_red_light, badge_red_dark);
    if (pressed)
        painter.translate(1, 1);
    // Half a pixel above the middle, so that the pressed word sits as far below it.
    draw_centred_text(painter, QStringLiteral("Suchen"), letter_font(9, false), face.center() - QPointF(0, 0.5), Qt::white);
    return image;
}

// The largest bold condensed size, at most 13 pixels, at which `text` fits `width`.
QFont fitting_font(const QString &text, qreal width)
{
    int pixel_size = 13;
    while (pixel_size > 6 && QFontMetricsF(letter_font(pixel_size, true)).tightBoundingRect(text).width() > width)
        --pixel_size;
    return letter_font(pixel_size, true);
}

}  // namespace

QPixmap button_picture(int index, bool pressed, qreal dpr)
{
    const CommandRow* row = command_row(index);
    if (!row)
        return {};
    if (row->symbol == ButtonSymbol::go)
        return QPixmap::fromImage(go_image(pressed, dpr));
    return QPixmap::fromImage(toolbar_image(row->symbol, pressed, dpr));
}

QPixmap logo_picture(int row, qreal dpr)
{
    if (row != 0 && row != 1)
        return {};
    // Both logos share the size that fits the longer word, so the two rows look alike.
    const QString longer = QStringLiteral("SELUNAR");
    const QString word = row == 0 ? longer : QStringLiteral("BIBEL");
    const QFont font = fitting_font(longer, logo_size.width() - 2);

    QImage image = blank_canvas(logo_size, dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(word);
    const QPointF origin(qRound(1 - ink.left()), qRound(logo_size.height() / 2.0 - ink.center().y()));
    // A white line under the letters lets them look pressed into the strip.
    painter.setPen(emboss_white);
    painter.drawText(origin + QPointF(0, 1), word);
    painter.setPen(logo_grey);
    painter.drawText(origin, word);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon window_icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image = blank_canvas(QSize(size, size), 1);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // The book is 13 x 15 units; one unit of margin around it, kept on whole pixels.
        const qreal unit = size / 16.0;
        draw_book(painter, QPointF(qFloor(1.5 * unit), qFloor(0.5 * unit)), unit);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
