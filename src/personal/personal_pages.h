// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pages of the reader's layer, shown in the day view: the reading
// progress of the book's year, and the favourites and notes.

#include "personal_data.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

class Recordset;

// A day's Bible reading as the book names it ("Matthäus 5,1-12").
struct DayReading {
    QDate day;
    QString reading;
};

// The readings of the days `first` to `last`, from a table cursor on "QOV"
// with the index "Datum" current (it is moved). Throws DatabaseError.
std::vector<DayReading> book_readings(Recordset& rsQov, QDate first, QDate last);

// "Lesefortschritt 2024": a small calendar for each month from `first` to
// `last` with the read days coloured, each day a link to it; "N von M Tagen
// gelesen"; the other editions' years, each a link to its own progress
// ("FORTSCHRITT|2025|"); and "Nachholen", the unread readings of the days
// before `today`, each a link to its day.
QString progress_page(QDate first, QDate last, QDate today, const std::vector<QDate>& read,
                      const std::vector<DayReading>& readings, const std::vector<int>& other_years = {});

// The year of a link to an edition's progress ("FORTSCHRITT|2025|"), or 0.
int progress_link_year(const QString& address);

// `page`, a chapter page of `book` and `chap`, with a star before each
// starred verse and a note link ("NOTIZ|key|") before each noted one. The
// marks go before the verse's anchor, outside the verse's own text, so a
// copied verse carries none of them.
QString marked_chapter(const QString& page, int book, int chap, const PersonalData& data);

// "Meine Notizen": the starred and noted days in date order, then the verses
// in Bible order, each a link to it with its star and its notes' first lines.
// `verse_reference` names a verse key ("Psalm 23,1").
QString notes_page(const PersonalData& data, const std::function<QString(const QString& key)>& verse_reference);
