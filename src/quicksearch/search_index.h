// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The quick search's index over the days of the book and the verses of the
// Bible, held in memory: the texts in one buffer, the folded words of every
// text in order, and a sorted word list with the documents each word occurs
// in, so that the words beginning with a query word are one run of the list.
//
// Documents are numbered days first (date order, the editions' years one
// after the other), then verses (Bible order).

#include "corpus.h"
#include "quick_query.h"

#include <QDate>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class SearchIndex {
public:
    static constexpr int day_fields = 6;  // Thema, Text, Frage, Tipp, Leitvers, author

    SearchIndex() = default;
    // Keeps the texts of `corpus`. Stops early, leaving the index empty, once
    // `cancel` is set.
    SearchIndex(Corpus corpus, const std::atomic<bool>& cancel);

    int day_count() const { return static_cast<int>(corpus_.days.size()); }
    int verse_count() const { return static_cast<int>(verse_places_.size()); }
    // The verses of the book's Bible: the first ones.
    int book_verse_count() const { return book_verses_; }
    bool is_day(uint32_t document) const { return document < corpus_.days.size(); }

    QDate day_date(int day) const { return corpus_.days[day].date; }
    int day_edition(int day) const { return corpus_.days[day].edition; }
    // Field `field` (0..5, the order of CorpusDay::fields) of day `day`.
    QStringView day_field(int day, int field) const;

    struct Place {
        int book = 0;
        int chapter = 0;
        int verse = 0;
    };
    Place verse_place(int verse) const;
    QStringView verse_text(int verse) const { return corpus_.verses[verse].text; }
    // The short name of the translation of a verse; empty while the book's
    // Bible is the only one.
    QString verse_translation(int verse) const;
    // The book's Bible's verse at that place, or nullopt.
    std::optional<int> find_verse(int book, int chapter, int verse) const;
    // The highest verse number of a chapter of the book's Bible; 0 when it has none.
    int last_verse(int book, int chapter) const;

    // The words of a query looked up once: each word of each group as the
    // word numbers it matches.
    struct Term {
        uint32_t first = 0;  // a run of the word list ...
        uint32_t last = 0;
        std::vector<uint32_t> words;  // ... or, for words with "*", these
        bool wild = false;
        bool contains(uint32_t word) const;
    };
    using Prepared = std::vector<std::vector<Term>>;
    Prepared prepare(const std::vector<QueryGroup>& groups) const;

    // The documents that hold every group (empty for no groups), ascending.
    std::vector<uint32_t> find(const Prepared& query) const;

    // Where in `text` stand words that one of the query's words matches:
    // (start, length) pairs, left to right.
    std::vector<std::pair<qsizetype, qsizetype>> marks(QStringView text, const Prepared& query) const;

private:
    bool phrase_in(uint32_t document, const std::vector<Term>& phrase) const;
    void add_postings(const Term& term, std::vector<uint64_t>& bits) const;

    static constexpr uint32_t no_word = UINT32_MAX;  // between fields: no phrase crosses it

    Corpus corpus_;
    std::vector<uint64_t> verse_places_;    // book, chapter, verse packed; ascending in each translation
    int book_verses_ = 0;
    std::vector<std::u16string> words_;     // folded, sorted
    std::vector<uint32_t> posting_start_;   // words + 1
    std::vector<uint32_t> postings_;        // document numbers, per word ascending
    std::vector<uint32_t> token_start_;     // documents + 1
    std::vector<uint32_t> tokens_;          // word numbers of each document in order
};
