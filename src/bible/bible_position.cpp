// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_position.h"

#include "StdUtil.h"
#include "bcv_key.h"

namespace {

// A part that is not a number reads as 0.
int number(const QString& text)
{
    return text.toInt();
}

} // namespace

void setactbcv(const QString& bcv, int& book, int& chap, int& verse)
{
    const QString us = QStringLiteral("_");
    book = number(GetToken(bcv, us, 1));
    const QString s = GetToken(bcv, us, 2);
    if (!s.contains(u'-')) {
        chap = number(s);
        const QString t = GetToken(bcv, us, 3);
        verse = number(GetToken(GetToken(t, QStringLiteral("/"), 1), QStringLiteral("-"), 1));
    } else {
        chap = number(GetToken(s, QStringLiteral(","), 1));
        verse = number(GetToken(GetToken(s, QStringLiteral("-"), 1), QStringLiteral(","), 2));
    }
}

bool is_wellformed_bcv(const QString& bcv)
{
    if (bcv.isEmpty())
        return false;
    for (const QStringView part : QStringView(bcv).split(u'/')) {
        if (!parse_reference(part))
            return false;
    }
    return true;
}

std::optional<BiblePosition> showable_position(const QString& bcv, const Buecher& buecher)
{
    if (!is_wellformed_bcv(bcv))
        return std::nullopt;
    BiblePosition position;
    setactbcv(bcv, position.book, position.chap, position.verse);
    if (position.book < 1 || position.book > 66)
        return std::nullopt;
    const BuchRow* buch = find_buch(buecher, position.book);
    if (!buch)
        return std::nullopt;
    bool ok = false;
    const int chapters = buch->maxkapitel.toInt(&ok);
    if (!ok || position.chap < 1 || position.chap > chapters)
        return std::nullopt;
    return position;
}

QString verse_anchor(int verse)
{
    return u'v' + QString::number(verse);
}
