// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bereiche.h"

#include <QDate>
#include <QString>

class Database;
class Recordset;

// The day page of `datum`: `tplday` filled from its row of `rsQov` (a table
// cursor on "QOV" with the index "Datum", as start-up leaves it), with Bible
// links from `tplbibelst`, the topic's picture, the author link and the words
// of `suchworte` marked. Missing data leaves its part empty.
// Throws DatabaseError when the database fails.
QString loadday(QDate datum, Recordset& rsQov, Database& db, const QString& tplday,
                const QString& tplbibelst, const Bereiche& bereiche, const QString& suchworte);
