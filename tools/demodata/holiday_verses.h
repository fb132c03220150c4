// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The guiding verses and topic areas of the holidays, chosen by hand.

#include "references.h"

#include <QString>

#include <map>
#include <vector>

struct HolidayVerse {
    int area_id;
    std::vector<Reference> references;
};

// The verses of the demo edition of `year`, by holiday name as holidays()
// names them: each year its own. Throws std::out_of_range for a year
// without an edition.
const std::map<QString, HolidayVerse>& holiday_verses(int year);
