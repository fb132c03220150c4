// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program writes its queries in the Access dialect; SQLite needs a few of
// them spelled its own way.

#include <QString>

// `sql` with every "select top N ..." and "select distinct top N ..." (also
// in subqueries) turned into "select ... LIMIT N". The rest passes unchanged:
// SQLite already accepts [bracketed] names and matches names without regard
// to case, and the layer gives SQLite a LIKE with the Access wildcards.
// Quoted texts ('...', "...", [...], `...`) are never looked into.
QString translate_access_sql(const QString& sql);
