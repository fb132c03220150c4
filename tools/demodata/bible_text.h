// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Bible text in memory: every verse of the 66 books in canonical order,
// with the counts the rest of the generator needs.

#include <QString>

#include <optional>
#include <vector>

struct Verse {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    // No value for a verse the source leaves empty (stored as Null).
    std::optional<QString> text;
};

class BibleText {
public:
    // `verses` must be in canonical order (book, chapter, verse), with verse
    // numbers running from 1 without gaps in every chapter.
    explicit BibleText(std::vector<Verse> verses);

    const std::vector<Verse>& verses() const { return verses_; }

    int chapter_count(int book) const;
    // 0 for a chapter that does not exist.
    int verse_count(int book, int chapter) const;
    // The verse, or nullptr when it does not exist.
    const Verse* find(int book, int chapter, int verse) const;

private:
    struct Chapter {
        std::size_t first_verse_index;
        int verse_count;
    };
    std::vector<Verse> verses_;
    // chapters_[book - 1][chapter - 1]
    std::vector<std::vector<Chapter>> chapters_;
};
