// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading Access (Jet3/Jet4) files: the database layer copies them whole into
// an in-memory SQLite database and then treats them like its SQLite files.

#include "access_copy.h"

#include <QString>

struct sqlite3;

// Copies every user table of the Access (Jet3/Jet4) file at `path` — columns,
// rows and indexes with their names — into a fresh in-memory SQLite database in
// the form of docs/design.md. The caller owns the result (sqlite3_close).
// Throws DatabaseError naming the path: "not a valid password" when the file
// has a password and the PWD of `connect` ("MS Access;PWD=...;") differs;
// "unsupported format" for Access 2007+ (ACE) files; damaged or truncated
// files give a clear message, never a crash or a hang. With a `selection`
// only that part of the file is copied (access_copy.h).
sqlite3* import_access_database(const QString& path, const QString& connect,
                                const AccessSelection& selection = {});

// Throws the DatabaseError import_access_database gives before it copies
// anything (a foreign or too new file, a wrong password, a file cut off or
// without its table catalog), reading only the file's first pages.
void check_access_database(const QString& path, const QString& connect);
