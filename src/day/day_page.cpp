// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_page.h"

#include "StdUtil.h"
#include "author_name.h"
#include "bible_links.h"
#include "database.h"
#include "dates.h"
#include "highlighting.h"

#include <optional>

namespace {

QString with_html_line_breaks(QString text)
{
    StrReplaceInPlace(text, QStringLiteral("\r\n"), QStringLiteral("<br>\r\n"));
    return text;
}

std::optional<qlonglong> whole_number(const QVariant& value)
{
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}

// The "#Autor#" text: the AUTOR link, or empty text when the author number is
// missing or has no row in "AutorenNeu".
QString author_link(Database& db, const QVariant& aid)
{
    const std::optional<qlonglong> number = whole_number(aid);
    if (!number)
        return {};
    const std::unique_ptr<Recordset> author =
        db.OpenRecordset(QStringLiteral("Select * from AutorenNeu Where AID=") + QString::number(*number));
    QString link;
    if (!author->Eof()) {
        link = QStringLiteral("<a href=\"AUTOR|") + ValueText(author->Fields(QStringLiteral("aid")))
             + QStringLiteral("|\">")
             + author_display_name(author->Fields(QStringLiteral("Vorname")),
                                   author->Fields(QStringLiteral("Nachname")))
             + QStringLiteral("</a>");
    }
    author->Close();
    return link;
}

} // namespace

QString loadday(QDate datum, Recordset& rsQov, Database& db, const QString& tplday,
                const QString& tplbibelst, const Bereiche& bereiche, const QString& suchworte)
{
    rsQov.Seek(QStringLiteral("="), {QDateTime(datum, QTime(0, 0), Qt::UTC)});
    const bool found = !rsQov.NoMatch();
    // A book database without one of the columns (an older one, say) shows
    // that part of every page empty, as it does a Null value.
    const auto field = [&](const char* name) {
        const QString column = QString::fromLatin1(name);
        return found && rsQov.HasField(column) ? rsQov.Fields(column) : QVariant();
    };

    QString page = tplday;
    StrReplaceInPlace(page, QStringLiteral("#Datum#"), format_long_date(datum));
    StrReplaceInPlace(page, QStringLiteral("#Feiertag#"),
                      QStringLiteral("<font size=3>") + ValueText(field("feiertag")) + QStringLiteral("</font>"));
    StrReplaceInPlace(page, QStringLiteral("#Leitvers#"), with_html_line_breaks(ValueText(field("Leitvers"))));
    StrReplaceInPlace(page, QStringLiteral("#Bibelstelle#"),
                      splitbibelst(field("Bibelstelle"), field("bcv1"), tplbibelst));
    const BereichRow* bereich = find_bereich(bereiche, field("bereich"));
    StrReplaceInPlace(page, QStringLiteral("#Bild#"), bereich ? ValueText(bereich->bild) : QString());
    StrReplaceInPlace(page, QStringLiteral("#Thema#"),
                      setwordsbold(ValueText(field("Thema")), suchworte, QStringLiteral("<i>")));
    StrReplaceInPlace(page, QStringLiteral("#Text#"),
                      with_html_line_breaks(setwordsbold(ValueText(field("Text")), suchworte, QStringLiteral("<b>"))));
    StrReplaceInPlace(page, QStringLiteral("#Frage#"), ValueText(field("Frage")));
    StrReplaceInPlace(page, QStringLiteral("#Tipp#"), ValueText(field("Tipp")));
    StrReplaceInPlace(page, QStringLiteral("#Bibellese#"),
                      splitbibelst(field("Bibellese"), field("bcv2"), tplbibelst));
    StrReplaceInPlace(page, QStringLiteral("#Autor#"), author_link(db, field("AID")));
    return page;
}
