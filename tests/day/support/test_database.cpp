#include "test_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

const QStringList qov_schema = {
    QStringLiteral("CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT,"
                   " bcv1 TEXT, bereich INTEGER, Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT,"
                   " Bibellese TEXT, bcv2 TEXT, AID INTEGER)"),
    QStringLiteral("CREATE INDEX Datum ON QOV (Datum)"),
    QStringLiteral("CREATE TABLE AutorenNeu (AID INTEGER, Vorname TEXT, Nachname TEXT)"),
    QStringLiteral("CREATE TABLE Bereiche (id INTEGER, Bezeichnung TEXT, bild TEXT)"),
    QStringLiteral("CREATE TABLE Bibel (Lfdnr INTEGER, buch TEXT, maxkapitel INTEGER)"),
};

const QStringList bible_schema = {
    QStringLiteral("CREATE TABLE texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT)"),
    QStringLiteral("CREATE INDEX book ON texte (book, chapter, verse)"),
};

bool write_sqlite_file(const QString& path, const QStringList& statements)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK;
    if (!ok)
        ADD_FAILURE() << "cannot create " << path.toStdString();
    // One transaction: a file of a hundred rows is written at once; a failed
    // statement leaves it uncommitted.
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (qsizetype i = 0; ok && i < statements.size(); ++i) {
        char* error = nullptr;
        ok = sqlite3_exec(db, statements[i].toUtf8().constData(), nullptr, nullptr, &error) == SQLITE_OK;
        if (!ok)
            ADD_FAILURE() << statements[i].toStdString() << ": " << (error ? error : "?");
        sqlite3_free(error);
    }
    if (ok)
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return ok;
}
