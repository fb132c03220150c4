#include "bible_result_list.h"

#include "StdUtil.h"
#include "database.h"
#include "highlighting.h"
#include "joined_page.h"

#include <memory>

namespace {

constexpr int cap = 100;

QString cap_notice()
{
    return QStringLiteral("<br><font color=\"red\">Es wurden mehr als ") + QString::number(cap)
         + QStringLiteral(" Einträge gefunden.<br>Bitte präzisieren Sie die Suche.</font>");
}

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

} // namespace

QString dispbibelliste(Database& bibeldb, const QString& sql, const QString& tplbibelliste,
                       const Buecher& buecher, QString& suchworte)
{
    const std::unique_ptr<Recordset> rs = bibeldb.OpenRecordset(sql);
    const QString marker = QStringLiteral("<!--X-->");
    const QString rowtemplate = GetToken(tplbibelliste, marker, 2);
    std::vector<QString> rows;
    int count = 0;
    for (; !rs->Eof() && count <= cap; rs->MoveNext()) {
        ++count;
        rows.push_back(verse_row(*rs, rowtemplate, buecher, suchworte));
    }
    if (count >= cap) {
        QString row = rowtemplate;
        StrReplaceInPlace(row, QStringLiteral("#Vers#"), cap_notice());
        StrReplaceInPlace(row, QStringLiteral("#bcv#"), QString());
        StrReplaceInPlace(row, QStringLiteral("#Bibelstelle#"), QString());
        rows.push_back(std::move(row));
    }
    rs->Close();
    suchworte.clear();
    return joined_page(GetToken(tplbibelliste, marker, 1), rows, GetToken(tplbibelliste, marker, 3));
}
