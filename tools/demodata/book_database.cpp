// SPDX-License-Identifier: GPL-2.0-or-later
#include "book_database.h"

#include "authors.h"
#include "bible_books.h"
#include "saved_queries.h"
#include "sqlite_file.h"
#include "topic_areas.h"

namespace {

void write_days(SqliteFile& file, const std::vector<DayRow>& days)
{
    file.exec("CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT, "
              "bcv1 TEXT, Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT, Bibellese TEXT, bcv2 TEXT, "
              "bereich INTEGER, AID INTEGER)");
    SqliteFile::Statement insert(
        file, "INSERT INTO QOV (Datum, feiertag, Leitvers, Bibelstelle, bcv1, Thema, Text, Frage, "
              "Tipp, Bibellese, bcv2, bereich, AID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const DayRow& d : days)
        insert.run({d.datum.toString(Qt::ISODate), d.feiertag, d.leitvers, d.bibelstelle, d.bcv1,
                    d.thema, d.text, d.frage, d.tipp, d.bibellese, d.bcv2, d.bereich, d.aid});
    file.exec("CREATE INDEX Datum ON QOV (Datum)");
}

void write_authors(SqliteFile& file)
{
    file.exec("CREATE TABLE AutorenNeu (AID INTEGER, Vorname TEXT, Nachname TEXT)");
    SqliteFile::Statement insert(file, "INSERT INTO AutorenNeu (AID, Vorname, Nachname) VALUES (?, ?, ?)");
    for (const Author& a : authors())
        insert.run({a.aid, a.vorname, a.nachname});
}

void write_areas(SqliteFile& file)
{
    file.exec("CREATE TABLE Bereiche (id INTEGER, Bezeichnung TEXT, bild TEXT)");
    SqliteFile::Statement insert(file, "INSERT INTO Bereiche (id, Bezeichnung, bild) VALUES (?, ?, ?)");
    for (const TopicArea& a : topic_areas())
        insert.run({a.id, a.name, a.picture});
}

void write_books(SqliteFile& file)
{
    file.exec("CREATE TABLE Bibel (Lfdnr INTEGER, buch TEXT, maxkapitel INTEGER)");
    SqliteFile::Statement insert(file, "INSERT INTO Bibel (Lfdnr, buch, maxkapitel) VALUES (?, ?, ?)");
    for (int book = 1; book <= bible_book_count; ++book)
        insert.run({book, german_book_name(book), bible_books()[std::size_t(book - 1)].chapters});
}

} // namespace

void write_book_database(const QString& path, const std::vector<DayRow>& days)
{
    SqliteFile file(path);
    file.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    file.exec("BEGIN");
    write_days(file, days);
    write_authors(file);
    write_areas(file);
    write_books(file);
    file.exec(vw1qov_view_sql(false));
    file.exec(vw1autorenaktiv_view_sql(false));
    file.exec("COMMIT");
    file.close();
}
