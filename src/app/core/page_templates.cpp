// SPDX-License-Identifier: GPL-2.0-or-later
#include "page_templates.h"

#include "StdUtil.h"

QString read_template(const QString& path, const QString& pictures)
{
    QString text;
    ReadTextFile(text, path);
    // The pages live only in the views' documents, which have no location of
    // their own, so picture references must be absolute.
    StrReplaceInPlace(text, QStringLiteral("../qov_pics/"), pictures);
    return text;
}

DayTemplate cut_day_template(const QString& text)
{
    const QString start = QStringLiteral("#BibelStart#");
    const QString end = QStringLiteral("#BibelEnd#");
    return {GetToken(text, start, 1) + GetToken(text, end, 2),
            GetToken(GetToken(text, start, 2), end, 1)};
}

ChapterTemplate cut_chapter_template(const QString& text)
{
    const QString start = QStringLiteral("#VersStart#");
    const QString end = QStringLiteral("#VersEnd#");
    return {GetToken(text, start, 1) + QStringLiteral("#VERS#") + GetToken(text, end, 2),
            GetToken(GetToken(text, start, 2), end, 1)};
}
