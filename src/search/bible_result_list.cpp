// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_result_list.h"

#include "StdUtil.h"
#include "database.h"
#include "highlighting.h"
#include "list_page.h"

namespace {

QString verse_row(const Recordset& rs, QString row, const Buecher& buecher, const QString& suchworte)
{
    const QVariant book = rs.Fields(QStringLiteral("book"));
    const QString chapter = ValueText(rs.Fields(QStringLiteral("chapter")));
    const QString verse = ValueText(rs.Fields(QStringLiteral("verse")));
    const BuchRow* buch = find_buch(buecher, book.toInt());
    StrReplaceInPlace(row, QStringLiteral("#Bibelstelle#"),
                      (buch ? ValueText(buch->buch) : QString()) + u' ' + chapter + u',' + verse);
    StrReplaceInPlace(row, QStringLiteral("#Vers#"),
                      setwordsbold(ValueText(rs.Fields(QStringLiteral("Bible_Text"))), suchworte, QStringLiteral("<b>")));
    StrReplaceInPlace(row, QStringLiteral("#bcv#"), ValueText(book) + u'_' + chapter + u'_' + verse);
    return row;
}

QString closing_row(QString row, int cap)
{
    StrReplaceInPlace(row, QStringLiteral("#Vers#"), cap_notice(cap));
    StrReplaceInPlace(row, QStringLiteral("#bcv#"), QString());
    StrReplaceInPlace(row, QStringLiteral("#Bibelstelle#"), QString());
    return row;
}

} // namespace

QString dispbibelliste(Database& bibeldb, const QString& sql, int cap, const QString& tplbibelliste,
                       const Buecher& buecher, const QString& suchworte)
{
    return bible_result_list(bibeldb, sql, cap, tplbibelliste, buecher, suchworte).page;
}

ListedPage bible_result_list(Database& bibeldb, const QString& sql, int cap, const QString& tplbibelliste,
                             const Buecher& buecher, const QString& suchworte)
{
    const ListTemplate parts = cut_list_template(tplbibelliste);
    std::vector<QString> rows = listed_rows(bibeldb, sql, cap, [&](const Recordset& rs) {
        return verse_row(rs, parts.row, buecher, suchworte);
    });
    // The query asks for no more than `cap` verses, so the notice shows
    // once the cap is reached.
    const int hits = static_cast<int>(rows.size());
    const bool cut = hits >= cap;
    if (cut)
        rows.push_back(closing_row(parts.row, cap));
    return {joined_page(parts, rows), hits, cut};
}
