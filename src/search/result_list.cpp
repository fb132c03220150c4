#include "result_list.h"

#include "StdUtil.h"
#include "author_name.h"
#include "database.h"
#include "dates.h"
#include "highlighting.h"
#include "joined_page.h"

#include <memory>

namespace {

QString notice_row(int cap)
{
    return QStringLiteral("<tr><td></td><td colspan=\"5\"><font face=\"Verdana, Arial, Helvetica\" size=\"2\">")
         + QStringLiteral("<br><font color=\"red\">Es wurden mehr als ") + QString::number(cap)
         + QStringLiteral(" Einträge gefunden.<br>Bitte präzisieren Sie die Suche.</font>")
         + QStringLiteral("</font></td></tr>");
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
    const std::unique_ptr<Recordset> rs = db.OpenRecordset(sql);
    const QString marker = QStringLiteral("<!--X-->");
    const QString rowtemplate = GetToken(tplliste, marker, 2);
    std::vector<QString> rows;
    int n = 0;
    for (; !rs->Eof() && n <= anzentry; rs->MoveNext()) {
        ++n;
        rows.push_back(filled_row(*rs, rowtemplate, bereiche, suchworte));
    }
    if (n > anzentry)
        rows.push_back(notice_row(anzentry));
    rs->Close();
    return joined_page(GetToken(tplliste, marker, 1), rows, GetToken(tplliste, marker, 3));
}
