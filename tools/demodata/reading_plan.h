// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The daily Bible reading (Bibellese): runs of books in order, a chapter a
// day (long chapters in two halves); on Sundays a psalm as a second reading.

#include "bible_text.h"
#include "references.h"

#include <QDate>

#include <vector>

// Chapters with more verses than this are read on two days.
inline constexpr int reading_split_above = 40;

// Where a year's readings come from.
struct ReadingCourse {
    // Each run reads from its book on, through Revelation or until the year
    // is full; the next run starts when the one before has reached the end.
    std::vector<int> run_starts;
    // The psalm of the year's first Sunday; each later Sunday the next one.
    int first_psalm;
};

// The readings of the `days` days from `first`. Throws std::logic_error
// when the runs end before the days do.
std::vector<std::vector<Reference>> reading_plan(const BibleText& bible, QDate first, int days,
                                                 const ReadingCourse& course);
