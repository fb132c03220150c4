// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editions of the demo book: one book per year, each with choices of its
// own, so that the same date reads differently from year to year.

#include "reading_plan.h"

#include <QString>

#include <vector>

struct DemoEdition {
    int year;
    // Where its "qov.mdb" goes, below the demo data folder; empty for the
    // folder itself. A subfolder holds only the book and shares the rest.
    QString folder;
    ReadingCourse reading;
    // How far the year turns the areas' building blocks against their first
    // use, so that an area's nth day brings other blocks than last year's.
    int block_offset;
};

// 2024 in the demo data folder itself, 2025 in its subfolder "2025".
const std::vector<DemoEdition>& demo_editions();
