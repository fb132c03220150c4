// SPDX-License-Identifier: GPL-2.0-or-later
#include "holiday_verses.h"

namespace {

Reference one(Passage p)
{
    return {{p}};
}

} // namespace

const std::map<QString, HolidayVerse>& holiday_verses()
{
    static const std::map<QString, HolidayVerse> verses = {
        {"Neujahr", {1, {one(verse_range(25, 3, 22, 23))}}},
        {"Epiphanias", {3, {one(verse_range(40, 2, 10, 11))}}},
        {"Aschermittwoch", {8, {one(verse_range(29, 2, 12, 13))}}},
        {"Palmsonntag", {3, {one(single_verse(38, 9, 9)), one(single_verse(43, 12, 13))}}},
        {"Gründonnerstag", {10, {one(verse_range(43, 13, 34, 35))}}},
        {"Karfreitag", {8, {one(verse_range(23, 53, 4, 5)), one(single_verse(43, 19, 30))}}},
        {"Karsamstag", {4, {one(chapter_span(40, 27, 59, 28, 1))}}},
        {"Ostersonntag", {4, {one(verse_range(40, 28, 5, 6))}}},
        {"Ostermontag", {3, {one(verse_range(42, 24, 30, 32))}}},
        {"Tag der Arbeit", {11, {one(single_verse(51, 3, 23))}}},
        {"Christi Himmelfahrt", {4, {one(verse_range(44, 1, 9, 11))}}},
        {"Pfingstsonntag", {10, {one(verse_range(44, 2, 1, 4))}}},
        {"Pfingstmontag", {12, {one(single_verse(29, 2, 28))}}},
        {"Trinitatis", {5, {one(single_verse(47, 13, 14))}}},
        {"Fronleichnam", {7, {one(single_verse(43, 6, 35))}}},
        {"Tag der Deutschen Einheit", {6, {one(single_verse(49, 4, 3))}}},
        {"Erntedankfest", {7, {one(single_verse(19, 104, 24)), one(verse_range(19, 145, 15, 16))}}},
        {"Reformationstag", {1, {one(verse_range(45, 1, 16, 17))}}},
        {"Allerheiligen", {10, {one(single_verse(58, 12, 1))}}},
        {"Volkstrauertag", {6, {one(single_verse(33, 4, 3))}}},
        {"Buß- und Bettag", {8, {one(single_verse(62, 1, 9)), one(single_verse(19, 51, 10))}}},
        {"Ewigkeitssonntag", {4, {one(verse_range(66, 21, 3, 4))}}},
        {"1. Advent", {3, {one(single_verse(19, 24, 7))}}},
        {"2. Advent", {4, {one(single_verse(42, 21, 28))}}},
        {"3. Advent", {12, {{{single_verse(23, 40, 29), single_verse(23, 40, 31)}}}}},
        {"4. Advent", {3, {one(verse_range(50, 4, 4, 5))}}},
        {"Heiligabend",
         {3, {one(single_verse(23, 9, 6)), one(verse_range(42, 2, 10, 11)), one(single_verse(40, 1, 23))}}},
        {"1. Weihnachtstag", {5, {one(single_verse(43, 1, 14))}}},
        {"2. Weihnachtstag", {3, {one(verse_range(42, 2, 19, 20))}}},
        {"Silvester", {7, {one(single_verse(19, 90, 12)), one(single_verse(58, 13, 8))}}},
    };
    return verses;
}
