#pragma once

#include "bereiche.h"

#include <QString>

class Database;

// The devotional result list of `sql` run on `db` (which must yield "datum",
// "Bereich", "Bibelstelle", "Thema", "Vorname", "Nachname"). `tplliste` is cut
// at "<!--X-->" into head, row template and tail. Each row fills, in order,
// "GOTO#Datum#" ("GOTO" + 05.03.2024 + "|"), "#Datum#" (05.03.24),
// "#Bereich#" (the topic's name), "#Bibelstelle#", "#Thema#" (the words of
// `suchworte` in "<b>") and "#Autor#"; Null values and unknown topics give
// empty cells. At most `anzentry` + 1 rows are listed; when more than
// `anzentry` rows match, a notice row naming `anzentry` follows.
// Throws DatabaseError when the query is rejected or fails; nothing is built
// then.
QString displiste(Database& db, const QString& sql, int anzentry, const QString& tplliste,
                  const Bereiche& bereiche, const QString& suchworte);
