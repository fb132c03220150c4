// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "buecher.h"

#include "list_page.h"

#include <QString>

class Database;

// The Bible result list of `sql` run on `bibeldb`: one row of
// `tplbibelliste` per verse (reference, verse text with the words of
// `suchworte` in bold, key for the link), at most `cap` + 1 of them, and a
// closing row with the cap notice once `cap` verses were listed.
// Throws DatabaseError when the query is rejected or fails.
QString dispbibelliste(Database& bibeldb, const QString& sql, int cap, const QString& tplbibelliste,
                       const Buecher& buecher, const QString& suchworte);
// The same list with the count of its verses; cut once `cap` verses were listed.
ListedPage bible_result_list(Database& bibeldb, const QString& sql, int cap, const QString& tplbibelliste,
                             const Buecher& buecher, const QString& suchworte);
