// SPDX-License-Identifier: GPL-2.0-or-later
#include "copy_text.h"

#include <QStringList>

QString clean_selection_text(const QString& selected)
{
    QString text = selected;
    text.remove(QChar(0xFFFC));
    text.replace(QChar(0x00A0), u' ');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A table or frame begins (U+FDD0) and ends (U+FDD1) on a line of its own.
    for (const QChar separator : {QChar(0x2029), QChar(0x2028), QChar(u'\r'), QChar(0xFDD0), QChar(0xFDD1)})
        text.replace(separator, u'\n');

    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty() || (!lines.isEmpty() && !lines.last().isEmpty()))
            lines.append(simple);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

QString with_reference(const QString& text, const QString& reference)
{
    if (text.isEmpty() || reference.isEmpty())
        return text;
    return text + u'\n' + reference;
}

QString with_reference_html(const QString& html, const QString& reference)
{
    if (html.isEmpty() || reference.isEmpty())
        return html;
    return html + QStringLiteral("<p>") + reference.toHtmlEscaped() + QStringLiteral("</p>");
}
