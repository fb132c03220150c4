#pragma once

#include "bereiche.h"

#include <QDate>
#include <QString>

class Database;
class Recordset;

// The day page of `datum`: `tplday` filled from the row of `rsQov` for that
// date (a table cursor on "QOV" with the index "Datum", as start-up leaves
// it), its Bible references made links with `tplbibelst`, its topic's picture
// from `bereiche`, the author link from "AutorenNeu" of `db`, and the words of
// `suchworte` marked in the topic and the text. Missing data leaves its part
// of the page empty; a date without a row gives the template with the date.
// Throws DatabaseError when the database fails.
QString loadday(QDate datum, Recordset& rsQov, Database& db, const QString& tplday,
                const QString& tplbibelst, const Bereiche& bereiche, const QString& suchworte);
