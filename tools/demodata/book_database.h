// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes the book database: tables "QOV" (index "Datum"), "AutorenNeu",
// "Bereiche" and "Bibel", and the saved queries "vw1qov" and
// "VW1AutorenAktiv" as views.

#include "book_content.h"

#include <QString>

#include <vector>

// Creates the SQLite file at `path` (replacing it). "Bibel" holds the book
// list of bible_books.h. Throws SqliteError.
void write_book_database(const QString& path, const std::vector<DayRow>& days);
