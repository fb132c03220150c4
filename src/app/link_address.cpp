// SPDX-License-Identifier: GPL-2.0-or-later
#include "link_address.h"

#include <cmath>
#include <limits>

std::optional<QString> goto_date_text(const QString& address)
{
    const qsizetype word = address.indexOf(u"GOTO");
    if (word < 0)
        return std::nullopt;
    const qsizetype start = word + 4;
    const qsizetype end = address.indexOf(u'|', start);
    if (end < 0)
        return std::nullopt;
    return address.mid(start, end - start);
}

namespace {

bool is_digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the longest number at the start of `text`.
qsizetype number_length(QStringView text)
{
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < text.size() && is_digit(text[i]))
            ++i;
        return i > from;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool any = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0;
    const qsizetype mantissa_end = i;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (!digits())
            return mantissa_end;
    }
    return i;
}

} // namespace

std::optional<qint64> leading_number(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    const QStringView rest = QStringView(text).mid(start);
    const qsizetype length = number_length(rest);
    if (length == 0)
        return 0;
    const double value = std::nearbyint(rest.left(length).toString().toDouble());
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        return std::nullopt;
    return static_cast<qint64>(value);
}
