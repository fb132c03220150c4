// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bible references as the book database stores them: a German reference text
// ("Johannes 3,16-17") and the matching bcv key ("43_3_16-17"), several of
// each joined by "; " and ";".

#include "bible_text.h"

#include <QString>
#include <QStringList>

#include <vector>

// Verses of one book from (chapter, verse) to (end_chapter, end_verse). A
// verse of 0 (with end_verse 0 and end_chapter == chapter) is the whole chapter.
struct Passage {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    int end_chapter = 0;
    int end_verse = 0;
};

Passage single_verse(int book, int chapter, int verse);
Passage verse_range(int book, int chapter, int verse, int end_verse);
Passage chapter_span(int book, int chapter, int verse, int end_chapter, int end_verse);
Passage whole_chapter(int book, int chapter);

// One reference: usually one passage; several passages must lie in the same
// chapter and then read as a verse list ("Jesaja 40,29.31", key
// "23_40_29/23_40_31").
struct Reference {
    std::vector<Passage> passages;
};

struct VersePosition {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    auto operator<=>(const VersePosition&) const = default;
};

// Every verse the reference names, in order; a whole chapter gives all the
// verses `bible` has in it.
std::vector<VersePosition> reference_verses(const Reference& reference, const BibleText& bible);

// "43_3_16", "43_3_16-17", "1_2,4-3,7", "19_23_0"; passages joined by "/".
QString bcv_key(const Reference& reference);

// "Johannes 3,16", "Johannes 3,16-17", "1. Mose 2,4-3,7", "Psalm 23",
// "Jesaja 40,29.31".
QString reference_text(const Reference& reference);

// The texts of the referenced verses in order; verses without text are left out.
QStringList reference_verse_texts(const Reference& reference, const BibleText& bible);

// Whether every verse the reference names exists in `bible` and ranges run forward.
bool reference_exists(const Reference& reference, const BibleText& bible);

// Several references for one field: texts joined by "; ", keys by ";".
QString references_text(const std::vector<Reference>& references);
QString references_key(const std::vector<Reference>& references);
