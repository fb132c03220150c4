// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bible positions and their keys. A key is one reference or several joined by
// "/"; a reference is book_chapter_verse, book_chapter_verse-verse, or
// book_chapter,verse-chapter,verse (a range across chapters). Every part is
// an unsigned decimal number; verse 0 stands for the whole chapter.

#include "buecher.h"

#include <QString>

#include <optional>

struct BiblePosition {
    int book = 0;
    int chap = 0;
    int verse = 0;

    bool operator==(const BiblePosition&) const = default;
};

// Reads the first verse of the first reference of `bcv`: "43_3_16-18" gives
// 43, 3, 16; "19_23_1/19_24_1" gives 19, 23, 1; "1_2,4-3,7" gives 1, 2, 4.
// A part that is missing or not a number reads as 0; call
// showable_position() first where the key comes from outside.
void setactbcv(const QString& bcv, int& book, int& chap, int& verse);

// True when every reference of `bcv` follows the key grammar above.
bool is_wellformed_bcv(const QString& bcv);

// The position `bcv` asks for, when it can be shown: the key is well-formed,
// its book lies in 1..66 and in `buecher`, and its chapter lies in 1..the
// book's chapter count. Otherwise nullopt: a navigation to it is ignored.
std::optional<BiblePosition> showable_position(const QString& bcv, const Buecher& buecher);

// The name of the anchor that the chapter page gives verse `verse`: "v7".
QString verse_anchor(int verse);
