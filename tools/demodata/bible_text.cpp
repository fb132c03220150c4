// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_text.h"

#include "bible_books.h"

BibleText::BibleText(std::vector<Verse> verses)
    : verses_(std::move(verses)), chapters_(bible_book_count)
{
    for (std::size_t i = 0; i < verses_.size(); ++i) {
        const Verse& v = verses_[i];
        auto& chapters = chapters_.at(std::size_t(v.book - 1));
        if (std::size_t(v.chapter) > chapters.size())
            chapters.resize(std::size_t(v.chapter), Chapter{i, 0});
        Chapter& c = chapters[std::size_t(v.chapter - 1)];
        if (c.verse_count == 0)
            c.first_verse_index = i;
        c.verse_count = std::max(c.verse_count, v.verse);
    }
}

int BibleText::chapter_count(int book) const
{
    if (book < 1 || book > bible_book_count)
        return 0;
    return int(chapters_[std::size_t(book - 1)].size());
}

int BibleText::verse_count(int book, int chapter) const
{
    if (chapter < 1 || chapter > chapter_count(book))
        return 0;
    return chapters_[std::size_t(book - 1)][std::size_t(chapter - 1)].verse_count;
}

const Verse* BibleText::find(int book, int chapter, int verse) const
{
    if (verse < 1 || verse > verse_count(book, chapter))
        return nullptr;
    const Chapter& c = chapters_[std::size_t(book - 1)][std::size_t(chapter - 1)];
    return &verses_[c.first_verse_index + std::size_t(verse - 1)];
}
