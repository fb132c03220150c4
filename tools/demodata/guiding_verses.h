// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Chooses the guiding verses of the days: for each topic area, verses whose
// text holds one of the area's words, spread over the whole Bible,
// each verse used at most once in the year, in the reference form asked for.

#include "bible_text.h"
#include "references.h"
#include "topic_areas.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

enum class ReferenceForm {
    single_verse,     // "Psalm 23,1"
    verse_range,      // "Johannes 3,16-17"
    chapter_span,     // "1. Mose 1,31-2,2"
    verse_list,       // "Jesaja 40,29.31", one key of two passages joined by "/"
    two_references,   // "Psalm 23,1; Johannes 10,11"
    three_references,
};

// The form of the day with index `day_index` (0 = first day of the year), so
// that every form recurs over the year.
ReferenceForm reference_form_of_day(int day_index);

class GuidingVerseChooser {
public:
    explicit GuidingVerseChooser(const BibleText& bible);

    // Keeps the verses of `references` out of later choices.
    void mark_used(const std::vector<Reference>& references);

    // References for day `area_day` (from 0) of the `area_days` days of
    // `area` in the year; a day beyond them counts round again, so that a
    // year can begin its areas elsewhere. Falls back to a simpler form when
    // the area has no unused verse that allows the asked one.
    std::vector<Reference> choose(const TopicArea& area, int area_day, int area_days,
                                  ReferenceForm form);

private:
    const std::vector<const Verse*>& pool(const TopicArea& area);
    bool uses_a_used_verse(const Reference& reference) const;
    // The reference of `form` that begins at `v`, if it exists in the Bible
    // and uses no verse used before.
    std::optional<Reference> candidate(const Verse& v, ReferenceForm form) const;
    // The candidate of the first pool verse at or after position `start`
    // (wrapping) that has one.
    std::optional<Reference> find(const std::vector<const Verse*>& pool, std::size_t start,
                                  ReferenceForm form) const;

    const BibleText& bible_;
    std::map<int, std::vector<const Verse*>> pools_;
    std::set<VersePosition> used_;
};
