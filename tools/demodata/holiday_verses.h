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

// By holiday name, as holidays() names them.
const std::map<QString, HolidayVerse>& holiday_verses();
