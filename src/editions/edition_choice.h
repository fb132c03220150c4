// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which edition opens for a date (today, or the day --today names).

#include "edition.h"

#include <optional>

// The index of the usable edition whose first to last day holds `date`;
// of several, the one with the latest first day, and of those the first in
// the list. When none holds it: the usable one that ends last before
// `date`; when `date` lies before every one: the one that starts first
// (ties again to the first in the list). Nothing without a usable edition.
std::optional<qsizetype> edition_for_date(const Editions& editions, QDate date);
