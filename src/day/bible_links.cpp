// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_links.h"

#include "StdUtil.h"

QString splitbibelst(const QVariant& bst, const QVariant& bcv, const QString& tplbibelst)
{
    QString result;
    for (int i = 1;; ++i) {
        const QString part = GetToken(bst, QStringLiteral(";"), i);
        if (part.isEmpty())
            return result;
        QString link = tplbibelst;
        StrReplaceInPlace(link, QStringLiteral("#bcv#"), GetToken(bcv, QStringLiteral(";"), i));
        StrReplaceInPlace(link, QStringLiteral("#Bibelst#"), part);
        result += link;
    }
}
