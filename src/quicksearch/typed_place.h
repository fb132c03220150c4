// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A quick-search text read as a Bible reference ("Joh 3,16", "1. Mose 1,1-3",
// "Ps 23") or as a date ("24.12.", "5. März").

#include "buecher.h"

#include <QDate>
#include <QStringView>

#include <optional>

struct TypedReference {
    int book = 0;
    int chapter = 1;     // 1 when the text names the book alone
    int first_verse = 0; // 0: the whole chapter
    int last_verse = 0;
    bool operator==(const TypedReference&) const = default;
};

// The book is named as the book list has it or by its usual abbreviation
// ("1Mo", "Röm", "Offb"), with or without a blank or dot after its number,
// in any case, umlauts also as ae/oe/ue; then optionally the chapter, and a
// verse or verse range after "," or ":". Numbers are not checked against the
// book; a range given backwards is turned round. nullopt for any other text.
std::optional<TypedReference> read_typed_reference(QStringView text, const Buecher& buecher);

// "24.12.", "24.12", "24.12.2024" and "24.12.24" (read_date_field), and the
// day with the German month's name or its first three letters ("5. März",
// "5 Maerz 2024", "5. Dez."); without a year, the day in `year`. nullopt for
// any other text or a day the calendar lacks.
std::optional<QDate> read_typed_date(QStringView text, int year);
