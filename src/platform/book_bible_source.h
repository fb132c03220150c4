// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The book's own Bible, read from its table "texte" (book, chapter, verse,
// Bible_Text), whose numbering is the frame of every other source.

#include "bible_frame.h"
#include "bible_source.h"

#include <optional>

class Recordset;

class BookBibleSource : public BibleSource {
public:
    // Reads through `texte`, a table cursor on "texte" with the index "book"
    // current, which it moves and which must outlive it.
    explicit BookBibleSource(Recordset& texte);

    QString name() const override;
    QString short_name() const override;
    QString description() const override;
    QString language() const override;

    bool has_book(int book) override;
    int chapter_count(int book) override;
    // Every row of the chapter, a Null text as empty text, no headings.
    std::vector<SourceVerse> chapter(int book, int chap) override;
    QString verse_text(int book, int chap, int verse) override;

    // The table's numbering, read in one pass over the table on first use.
    const BibleFrame& frame();

private:
    Recordset& texte_;
    std::optional<BibleFrame> frame_;
};
