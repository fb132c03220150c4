#pragma once

#include "bereiche.h"

#include <QDate>
#include <QString>

class Database;
class Recordset;

// The day page of `datum`: seeks the date in `rsQov` (a table cursor on
// "QOV" whose current index is "Datum", as start-up leaves it; setting an
// index costs more than the whole page) and fills a copy of `tplday` in this
// order: "#Datum#" (Montag, 1. Januar 2024), "#Feiertag#" ("<font size=3>" +
// feiertag + "</font>"), "#Leitvers#" (line breaks as "<br>\r\n"),
// "#Bibelstelle#" (links from Bibelstelle/bcv1 with `tplbibelst`), "#Bild#"
// (the topic's picture from `bereiche`), "#Thema#" (search words in "<i>"),
// "#Text#" (search words in "<b>", then line breaks as "<br>\r\n"), "#Frage#",
// "#Tipp#", "#Bibellese#" (links from Bibellese/bcv2), "#Autor#" (the link
// "<a href=\"AUTOR|aid|\">name</a>", looked up with
// "Select * from AutorenNeu Where AID=" + AID).
// The words come from `suchworte`, which is cleared afterwards: they mark only
// the first page shown after a search.
// Missing data gives empty page parts: a Null field, a topic id without a row
// in `bereiche` and an author without a row in "AutorenNeu" each give empty
// text. A date without a row gives the template with the date filled in,
// "<font size=3></font>" for the holiday and every other placeholder empty.
// Throws DatabaseError when the database fails.
QString loadday(QDate datum, Recordset& rsQov, Database& db, const QString& tplday,
                const QString& tplbibelst, const Bereiche& bereiche, QString& suchworte);
