// SPDX-License-Identifier: GPL-2.0-or-later
#include "result_list.h"

#include "StdUtil.h"
#include "author_name.h"
#include "database.h"
#include "dates.h"
#include "highlighting.h"
#include "list_page.h"

namespace {

QString notice_row(int cap)
{
    return QStringLiteral("<tr><td></td><td colspan=\"5\"><font face=\"Verdana, Arial, Helvetica\" size=\"2\">")
         + cap_notice(cap) + QStringLiteral("</font></td></tr>");
}

QString filled_row(const Recordset& rs, QString row, const Bereiche& bereiche, const QString& suchworte)
{
    const QDate datum = date_of(rs.Fields(QStringLiteral("datum")));
    const bool dated = datum.isValid();
    StrReplaceInPlace(row, QStringLiteral("GOTO#Datum#"),
                      QStringLiteral("GOTO") + (dated ? format_short_date(datum) : QString()) + u'|');
    StrReplaceInPlace(row, QStringLiteral("#Datum#"), dated ? format_list_date(datum) : QString());
    const BereichRow* bereich = find_bereich(bereiche, rs.Fields(QStringLiteral("Bereich")));
    StrReplaceInPlace(row, QStringLiteral("#Bereich#"), bereich ? ValueText(bereich->name) : QString());
    StrReplaceInPlace(row, QStringLiteral("#Bibelstelle#"), ValueText(rs.Fields(QStringLiteral("Bibelstelle"))));
    StrReplaceInPlace(row, QStringLiteral("#Thema#"),
                      setwordsbold(ValueText(rs.Fields(QStringLiteral("Thema"))), suchworte, QStringLiteral("<b>")));
    StrReplaceInPlace(row, QStringLiteral("#Autor#"),
                      author_display_name(rs.Fields(QStringLiteral("Vorname")), rs.Fields(QStringLiteral("Nachname"))));
    return row;
}

} // namespace

QString displiste(Database& db, const QString& sql, int anzentry, const QString& tplliste,
                  const Bereiche& bereiche, const QString& suchworte)
{
    return book_result_list(db, sql, anzentry, tplliste, bereiche, suchworte).page;
}

ListedPage book_result_list(Database& db, const QString& sql, int anzentry, const QString& tplliste,
                            const Bereiche& bereiche, const QString& suchworte)
{
    const ListTemplate parts = cut_list_template(tplliste);
    std::vector<QString> rows = listed_rows(db, sql, anzentry, [&](const Recordset& rs) {
        return filled_row(rs, parts.row, bereiche, suchworte);
    });
    const int hits = static_cast<int>(rows.size());
    const bool cut = hits > anzentry;
    if (cut)
        rows.push_back(notice_row(anzentry));
    return {joined_page(parts, rows), hits, cut};
}
