// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The daily Bible reading (Bibellese): the New Testament in order, a chapter
// a day (long chapters in two halves), then Proverbs, Ecclesiastes and the
// Song of Songs; on Sundays a psalm as a second reading.

#include "bible_text.h"
#include "references.h"

#include <QDate>

#include <vector>

// Chapters with more verses than this are read on two days.
inline constexpr int reading_split_above = 40;

// The readings of the `days` days from `first`.
std::vector<std::vector<Reference>> reading_plan(const BibleText& bible, QDate first, int days);
