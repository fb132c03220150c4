#include "test_database_file.h"

#include <sqlite3.h>

const char* const test_book_sql = R"sql(
CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT, bcv1 TEXT,
                  Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT, Bibellese TEXT, bcv2 TEXT,
                  bereich INTEGER, AID INTEGER);
CREATE INDEX Datum ON QOV (Datum);
INSERT INTO QOV (Datum, feiertag, Bibelstelle, bcv1, Thema, Text, bereich, AID) VALUES
  ('2024-01-01', 'Neujahr', 'Johannes 3,16-18', '43_3_16-18', 'Größe Gottes', 'Über ÄRGER und Öl', 1, 1),
  ('2024-01-02', NULL, '1. Mose 2,4-3,7', '1_2,4-3,7', 'Anfang', 'Im Anfang', 2, 1),
  ('2024-01-03', '', 'Psalm 23,1; 24,1', '19_23_1/19_24_1', 'Hirte', 'Der Herr ist mein Hirte', 1, 2),
  ('2024-01-04 10:30:00', NULL, '5. Mose 6,7', '5_6_7;8_9_10', 'Lehre', 'Kinder', 3, 2),
  ('2024-01-06', NULL, NULL, NULL, 'Ohne Stelle', 'Text', 3, 3);
CREATE TABLE AutorenNeu (AID INTEGER, Vorname TEXT, Nachname TEXT);
INSERT INTO AutorenNeu VALUES (1, 'Anna', 'Alt'), (2, 'Bernd', 'Bär'), (4, 'Dora', 'Ohne');
CREATE TABLE texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT);
CREATE INDEX book ON texte (book, chapter, verse);
INSERT INTO texte VALUES
  (1, 2, 1, 'So wurden vollendet Himmel und Erde'),
  (1, 1, 1, 'Im Anfang schuf Gott'),
  (1, 1, 2, 'Und die Erde war wüst und leer'),
  (2, 1, 1, 'Dies sind die Namen'),
  (1, 2, 2, 'Und Gott vollendete am siebenten Tag'),
  (1, 4, 1, NULL),
  (1, 1, 3, 'Und Gott sprach');
)sql";

void write_sqlite_file(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    // Tests need no durability, and syncing every statement is slow.
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const QString message = error ? QString::fromUtf8(error) : QString();
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message.toStdString();
}

QString write_test_book(const QString& folder)
{
    const QString path = folder + QStringLiteral("/book.sqlite");
    write_sqlite_file(path, QString::fromUtf8(test_book_sql));
    return path;
}

QStringList column(Database& db, const QString& source, const QString& field)
{
    QStringList values;
    for (auto rs = db.OpenRecordset(source); !rs->Eof(); rs->MoveNext())
        values << rs->Fields(field).toString();
    return values;
}
