// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A day's guiding verse with its reference, and the texts the companion
// makes of it: the reminder's summary and body, the tray's tool tip.

#include <QDate>
#include <QString>

class Recordset;

struct DayVerse {
    QString verse;      // the guiding verse on one line; empty when the day has none
    QString reference;  // "Jeremia 29,7"
};

// The guiding verse of `day` from `rsQov` (the book's table cursor on the
// index "Datum"). Throws DatabaseError when the database fails.
DayVerse day_verse(QDate day, Recordset& rsQov);

// "Verse – Reference", or the part there is.
QString verse_line(const DayVerse& verse);

// "Selunar 2024 – Donnerstag, 5. Dezember 2024", for the book named `title`.
QString reminder_summary(const QString& title, QDate day);
