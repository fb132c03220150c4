// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which verses of a chapter page a selection covers, and how they are named.

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// "Psalm 23,1-3", "Psalm 23,1" when both verses are one, "Psalm 23" for
// verse 0 (the chapter as a whole).
QString bible_reference(const QString& book_name, int chap, int first_verse, int last_verse);

// The verse of a chapter page's anchor name ("v7" gives 7); nullopt for any
// other name.
std::optional<int> verse_of_anchor(QStringView name);

// A verse anchor at its position in the page's text.
struct VerseMark {
    int position = 0;
    int verse = 0;
};

// The verse anchors among a page's anchors (position, name), in their order.
std::vector<VerseMark> verse_marks(const std::vector<std::pair<int, QString>>& anchors);

struct VerseSpan {
    int first = 0;
    int last = 0;
    bool operator==(const VerseSpan&) const = default;
};

// The verses a selection from `start` up to (not including) `end` touches,
// with `marks` in page order: from the verse in which it starts (the first
// verse when it starts above all of them) to the last verse that begins
// before its end. nullopt when no verse begins before its end.
std::optional<VerseSpan> covered_verses(const std::vector<VerseMark>& marks, int start, int end);
