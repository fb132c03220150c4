#pragma once
// Small SQLite databases in the reader's schema, written for one test.

#include <QString>
#include <QStringList>

// CREATE statements of the book database: QOV with index "Datum",
// AutorenNeu, Bereiche, Bibel.
extern const QStringList qov_schema;
// CREATE statements of the Bible database: texte with index "book".
extern const QStringList bible_schema;

// Writes a new SQLite file at `path` and runs `statements` in it.
// Fails the calling test (and returns false) when a statement fails.
bool write_sqlite_file(const QString& path, const QStringList& statements);
