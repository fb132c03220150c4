// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The reader's schema, for small SQLite databases written for one test
// (sqlite_exec).

#include "sqlite_test.h"

// CREATE statements of the book database: QOV with index "Datum",
// AutorenNeu, Bereiche, Bibel.
extern const QStringList qov_schema;
// CREATE statements of the Bible database: texte with index "book".
extern const QStringList bible_schema;
