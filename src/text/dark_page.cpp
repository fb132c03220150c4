// SPDX-License-Identifier: GPL-2.0-or-later
#include "dark_page.h"

#include "markup_rewrite.h"

#include <QRegularExpression>

namespace {

// Mirrors lightness into 0.13 (from white) .. 0.9 (from black): neither pure
// black backgrounds nor glaring white text. Saturation is softened, as
// colours of the same saturation look far stronger on a dark ground.
constexpr float darkest = 0.13f;
constexpr float lightest = 0.9f;
constexpr float saturation = 0.6f;

const QColor link_colour(0x8a, 0xb4, 0xf8);

QString hex(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

// One colour token as text, or nullopt when it is no colour.
std::optional<QString> dark_token(QStringView token)
{
    if (!QColor::isValidColorName(token))
        return std::nullopt;
    const QColor colour = QColor::fromString(token);
    if (colour.alpha() == 0)
        return std::nullopt;
    return hex(dark_colour(colour));
}

QString dark_colours_in(QStringView value)
{
    static const QRegularExpression token(QStringLiteral(R"(#[0-9A-Fa-f]+\b|(?<![-\w#./])[A-Za-z]+\b(?![-./]))"));
    QString out;
    qsizetype at = 0;
    QRegularExpressionMatchIterator it = token.globalMatch(value);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (const std::optional<QString> dark = dark_token(match.capturedView())) {
            out += value.mid(at, match.capturedStart() - at);
            out += *dark;
            at = match.capturedEnd();
        }
    }
    out += value.mid(at);
    return out;
}

bool is_colour_declaration(QStringView name)
{
    return name == u"color" || name.startsWith(u"background") || name.startsWith(u"border");
}

bool is_colour_attribute(QStringView name)
{
    static const QStringView names[] = {u"bgcolor", u"color", u"text", u"link", u"vlink", u"alink", u"bordercolor"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

QString default_sheet()
{
    return QStringLiteral("<style type=\"text/css\">body { background-color: %1; color: %2; } a { color: %3; }</style>")
        .arg(hex(dark_colour(Qt::white)), hex(dark_colour(Qt::black)), hex(link_colour));
}

} // namespace

QColor dark_colour(const QColor& colour)
{
    if (!colour.isValid() || colour.alpha() == 0)
        return colour;
    const QColor hsl = colour.toHsl();
    const float lightness = lightest - (lightest - darkest) * hsl.lightnessF();
    return QColor::fromHslF(hsl.hslHueF(), saturation * hsl.hslSaturationF(), lightness, hsl.alphaF()).toRgb();
}

QString dark_page(const QString& page)
{
    MarkupRewriter rewriter;
    rewriter.css = [](QStringView css) { return rewrite_declarations(css, is_colour_declaration, dark_colours_in); };
    rewriter.attribute = [](QStringView, QStringView name, QStringView value) -> std::optional<QString> {
        if (!is_colour_attribute(name))
            return std::nullopt;
        return dark_token(value.trimmed());
    };
    QString dark = rewrite_markup(page, rewriter);

    // The view lets the first of two equal rules win: after the page's own
    // sheets, the defaults fill in only what the page leaves open.
    static const QRegularExpression head_end(QStringLiteral("</head\\s*>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head_end.match(dark);
    dark.insert(match.hasMatch() ? match.capturedStart() : 0, default_sheet());
    return dark;
}
