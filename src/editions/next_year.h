// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// From 1 November on, the reader says once that next year's edition is
// still missing.

#include "edition.h"

#include <optional>

// The next year, when `today` is in November or December and no usable
// edition has a day in that year; else nothing.
std::optional<int> missing_next_year(const Editions& editions, QDate today);

// Whether to say that `missing` is missing now: `announced` is the year it
// was last said for (0 when never), which the window keeps in its settings
// and sets to `missing` once it has said it.
bool announce_missing_year(std::optional<int> missing, int announced);

// "Jahrgang hinzufügen …": the command that adds an edition.
QString add_edition_label();

// "Der Jahrgang 2027 fehlt noch – Jahrgang hinzufügen …"
QString missing_year_notice(int year);
