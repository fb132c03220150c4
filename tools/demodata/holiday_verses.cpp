// SPDX-License-Identifier: GPL-2.0-or-later
#include "holiday_verses.h"

#include <stdexcept>
#include <string>

namespace {

Reference one(Passage p)
{
    return {{p}};
}

const std::map<QString, HolidayVerse>& verses_2024()
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

const std::map<QString, HolidayVerse>& verses_2025()
{
    static const std::map<QString, HolidayVerse> verses = {
        {"Neujahr", {1, {one(single_verse(23, 43, 19))}}},
        {"Epiphanias", {3, {one(single_verse(23, 60, 1))}}},
        {"Aschermittwoch", {8, {one(verse_range(40, 6, 16, 18))}}},
        {"Palmsonntag", {3, {one(single_verse(40, 21, 9)), one(single_verse(19, 118, 26))}}},
        {"Gründonnerstag", {10, {one(verse_range(42, 22, 19, 20))}}},
        {"Karfreitag", {8, {one(single_verse(45, 5, 8)), one(single_verse(47, 5, 21))}}},
        {"Karsamstag", {4, {one(chapter_span(41, 15, 46, 16, 1))}}},
        {"Ostersonntag", {4, {one(single_verse(41, 16, 6))}}},
        {"Ostermontag", {3, {one(verse_range(42, 24, 33, 34))}}},
        {"Tag der Arbeit", {11, {one(single_verse(19, 90, 17))}}},
        {"Christi Himmelfahrt", {4, {one(verse_range(43, 14, 2, 3))}}},
        {"Pfingstsonntag", {10, {one(single_verse(44, 1, 8))}}},
        {"Pfingstmontag", {12, {one(verse_range(48, 5, 22, 23))}}},
        {"Trinitatis", {5, {one(single_verse(40, 28, 19))}}},
        {"Fronleichnam", {7, {one(single_verse(43, 6, 51))}}},
        {"Tag der Deutschen Einheit", {6, {one(single_verse(19, 133, 1))}}},
        {"Erntedankfest", {7, {one(single_verse(1, 8, 22)), one(single_verse(19, 103, 2))}}},
        {"Reformationstag", {1, {one(single_verse(45, 3, 28)), one(verse_range(49, 2, 8, 9))}}},
        {"Allerheiligen", {10, {one(single_verse(58, 11, 1))}}},
        {"Volkstrauertag", {6, {one(single_verse(40, 5, 9))}}},
        {"Buß- und Bettag", {8, {one(single_verse(20, 14, 34)), one(single_verse(44, 3, 19))}}},
        {"Ewigkeitssonntag", {4, {one(verse_range(43, 11, 25, 26))}}},
        {"1. Advent", {3, {one(single_verse(23, 9, 2))}}},
        {"2. Advent", {4, {one(single_verse(59, 5, 8))}}},
        {"3. Advent", {12, {{{single_verse(23, 35, 4), single_verse(23, 35, 10)}}}}},
        {"4. Advent", {3, {one(verse_range(50, 4, 4, 5))}}},
        {"Heiligabend",
         {3, {one(single_verse(33, 5, 2)), one(single_verse(42, 2, 14)), one(single_verse(56, 2, 11))}}},
        {"1. Weihnachtstag", {5, {one(single_verse(62, 4, 9))}}},
        {"2. Weihnachtstag", {3, {one(verse_range(58, 1, 1, 2))}}},
        {"Silvester", {7, {one(single_verse(19, 31, 15)), one(single_verse(45, 8, 28))}}},
    };
    return verses;
}

} // namespace

const std::map<QString, HolidayVerse>& holiday_verses(int year)
{
    if (year == 2024)
        return verses_2024();
    if (year == 2025)
        return verses_2025();
    throw std::out_of_range("no holiday verses for " + std::to_string(year));
}
