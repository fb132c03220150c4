// SPDX-License-Identifier: GPL-2.0-or-later
#include "author_name.h"

#include "StdUtil.h"

namespace {

// Only blanks are removed, as the names are joined by one blank.
QString trim_blanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString author_display_name(const QVariant& vorname, const QVariant& nachname)
{
    return trim_blanks(ValueText(vorname) + u' ' + ValueText(nachname));
}
