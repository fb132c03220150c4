// SPDX-License-Identifier: GPL-2.0-or-later
#include "page_zoom.h"

#include "markup_rewrite.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The sizes of <font size> 1..7 as style sheets give them, in px.
constexpr std::array<double, 7> font_steps{10, 13, 16, 18, 24, 32, 48};

QString number_text(double value)
{
    return QString::number(std::round(value * 100) / 100, 'g', 10);
}

QString scale_lengths(QStringView css, double factor)
{
    // A number right after a letter, digit, "." or "#" belongs to a name or
    // a colour, not to a length.
    static const QRegularExpression length(QStringLiteral(R"((?<![\w.#])(\d+(?:\.\d+)?|\.\d+)(?=\s*(?:pt|px)\b))"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype at = 0;
    QRegularExpressionMatchIterator it = length.globalMatch(css);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += css.mid(at, match.capturedStart() - at);
        out += number_text(match.capturedView().toDouble() * factor);
        at = match.capturedEnd();
    }
    out += css.mid(at);
    return out;
}

std::optional<QString> scale_font_size(QStringView value, double factor)
{
    const QStringView text = value.trimmed();
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    const bool relative = text.startsWith(u'+') || text.startsWith(u'-');
    const int step = std::clamp(relative ? 3 + number : number, 1, 7);
    const double wanted = font_steps[step - 1] * factor;
    const auto nearest = std::min_element(font_steps.begin(), font_steps.end(), [wanted](double a, double b) {
        return std::abs(a - wanted) < std::abs(b - wanted);
    });
    return QString::number(nearest - font_steps.begin() + 1);
}

constexpr std::array<int, 13> zoom_levels{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

int zoom_step(int percent, int steps)
{
    percent = std::clamp(percent, min_zoom, max_zoom);
    for (; steps > 0; --steps) {
        const auto above = std::upper_bound(zoom_levels.begin(), zoom_levels.end(), percent);
        percent = above == zoom_levels.end() ? max_zoom : *above;
    }
    for (; steps < 0; ++steps) {
        const auto below = std::lower_bound(zoom_levels.begin(), zoom_levels.end(), percent);
        percent = below == zoom_levels.begin() ? min_zoom : *(below - 1);
    }
    return percent;
}

QString zoom_page(const QString& page, int percent)
{
    percent = std::clamp(percent, min_zoom, max_zoom);
    if (percent == 100)
        return page;
    const double factor = percent / 100.0;
    MarkupRewriter rewriter;
    rewriter.css = [factor](QStringView css) { return scale_lengths(css, factor); };
    rewriter.attribute = [factor](QStringView tag, QStringView name, QStringView value) -> std::optional<QString> {
        if (tag != u"font" || name != u"size")
            return std::nullopt;
        return scale_font_size(value, factor);
    };
    return rewrite_markup(page, rewriter);
}
