// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A quick-search text read as words: each word outside double quotes is a
// group of its own; the words inside a pair of quotes form one group whose
// words must stand next to each other in that order. Words are folded
// (folding.h); "*" in a word stands for any letters. Everything else between
// words is ignored.

#include <QStringView>

#include <string>
#include <utility>
#include <vector>

struct QueryGroup {
    std::vector<std::u16string> words;
    bool operator==(const QueryGroup&) const = default;
};

// The groups of `text`; a word that is only "*" says nothing and is left out,
// so a text without letters or digits gives no groups. A quote left open
// runs to the end of the text.
std::vector<QueryGroup> parse_quick_query(QStringView text);

// Whether the folded `word` begins with what `pattern` asks for: its letters
// in order, "*" standing for any letters (none included).
bool word_matches(std::u16string_view pattern, std::u16string_view word);

// Where in `text` stand the words that a word of `groups` matches, as
// (start, length) pairs left to right; none unless `text` holds every group
// as the index would find it. For texts outside the index, such as notes.
std::vector<std::pair<qsizetype, qsizetype>> text_marks(QStringView text, const std::vector<QueryGroup>& groups);
