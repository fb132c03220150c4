// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The lookup tables and the entries of the window's four lists, read once at
// start-up from the book database.

#include "bereiche.h"
#include "buecher.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class Database;

struct ListEntry {
    QString text;
    QVariant data;
};

struct LookupLists {
    Bereiche bereiche;
    Buecher buecher;
    std::vector<ListEntry> inpbereich;  // topic names by name; data: the topic id
    std::vector<ListEntry> inpbibel;    // book names by book number; data: the book number
    std::vector<ListEntry> books;       // the same entries as inpbibel
    std::vector<ListEntry> inpautor;    // authors by last and first name; data: aid (int)
    QStringList problems;               // rows that were skipped or replaced, described
};

// Runs " select * from [Bereiche] order by Bezeichnung",
// " select * from [Bibel] order by Lfdnr" and
// "select * from [VW1AutorenAktiv] order by Nachname, Vorname" on `db`.
// A Null name becomes an empty entry. A row whose id (book number, author id)
// is Null, not a whole number or outside 0..row count is skipped and described
// in `problems`; of two topics (books) with the same id the later one fills
// the table row, both stay in the list, and the replacement is described.
// Throws DatabaseError when a query fails.
LookupLists setcombo(Database& db);
