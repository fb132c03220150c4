#include "result_list.h"

#include "StdUtil.h"
#include "author_name.h"
#include "database.h"
#include "dates.h"
#include "highlighting.h"

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
    QString page = GetToken(tplliste, marker, 1);
    int n = 0;
    for (; !rs->Eof() && n <= anzentry; rs->MoveNext()) {
        ++n;
        page += filled_row(*rs, rowtemplate, bereiche, suchworte);
    }
    if (n > anzentry)
        page += notice_row(anzentry);
    page += GetToken(tplliste, marker, 3);
    rs->Close();
    return page;
}
