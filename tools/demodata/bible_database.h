// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes the Bible database: table "texte" with one row per verse and the
// index "book" over book, chapter and verse.

#include "bible_text.h"

#include <QString>

// Creates the SQLite file at `path` (replacing it). Throws SqliteError.
void write_bible_database(const QString& path, const BibleText& bible);
