// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bereiche.h"

#include "list_page.h"

#include <QString>

class Database;

// The devotional result list of `sql` run on `db`: one row of `tplliste` per
// devotional (date link, date, topic, reference, topic with the words of
// `suchworte` in bold, author), at most `anzentry` + 1 of them, and a notice
// row naming `anzentry` when more than `anzentry` matched.
// Throws DatabaseError when the query is rejected or fails.
QString displiste(Database& db, const QString& sql, int anzentry, const QString& tplliste,
                  const Bereiche& bereiche, const QString& suchworte);
// The same list with the count of its entries; cut when more than `anzentry` matched.
ListedPage book_result_list(Database& db, const QString& sql, int anzentry, const QString& tplliste,
                            const Bereiche& bereiche, const QString& suchworte);
