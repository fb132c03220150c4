// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_database.h"

#include "sqlite_file.h"

void write_bible_database(const QString& path, const BibleText& bible)
{
    SqliteFile file(path);
    file.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    file.exec("BEGIN");
    file.exec("CREATE TABLE texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT)");
    {
        SqliteFile::Statement insert(
            file, "INSERT INTO texte (book, chapter, verse, Bible_Text) VALUES (?, ?, ?, ?)");
        for (const Verse& v : bible.verses())
            insert.run({v.book, v.chapter, v.verse, v.text ? QVariant(*v.text) : QVariant()});
    }
    file.exec("CREATE INDEX book ON texte (book, chapter, verse)");
    file.exec("COMMIT");
    file.close();
}
