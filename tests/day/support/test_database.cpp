// SPDX-License-Identifier: GPL-2.0-or-later
#include "test_database.h"


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
