// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Words that the demo books use on very few days only (in Thema or Text), so
// that a full-text search has a small, known result. Every other day's text
// comes from building blocks that never contain these words. Each word
// belongs to one edition: its dates are all of one year.

#include <array>

struct RareWord {
    const char* word;
    // The dates (ISO, "YYYY-MM-DD") on which the word occurs, ascending,
    // joined by ";".
    const char* dates;
};

inline constexpr std::array<RareWord, 7> rare_words = {{
    {"Leuchtturm", "2024-03-12"},
    {"Zitronenbaum", "2024-06-05;2024-08-21"},
    {"Hängematte", "2024-07-14;2024-08-04;2024-09-01"},
    {"Kompass", "2024-10-15"},
    {"Schaukelstuhl", "2025-01-21;2025-09-09;2025-11-25"},
    {"Sanduhr", "2025-02-11"},
    {"Gießkanne", "2025-04-08;2025-06-17"},
}};
