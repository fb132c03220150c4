// SPDX-License-Identifier: GPL-2.0-or-later
#include "search_index.h"

#include "folding.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

uint64_t pack_place(int book, int chapter, int verse)
{
    const auto part = [](int n) { return static_cast<uint64_t>(std::clamp(n, 0, 0xFFFF)); };
    return part(book) << 32 | part(chapter) << 16 | part(verse);
}

// The words met so far, numbered in the order first seen: an open-addressing
// table over them, as building looks up every word of the texts. The words
// lie one after the other in one buffer, and each slot keeps part of its
// word's hash, so that a lookup seldom leaves memory the cache holds.
class WordNumbers {
public:
    uint32_t number(std::u16string_view word)
    {
        if (2 * count() >= slots_.size())
            grow();
        const uint64_t h = hash(word);
        const uint64_t tag = h >> 32 << 32;
        size_t slot = h & (slots_.size() - 1);
        while (slots_[slot] != 0) {
            const uint32_t n = static_cast<uint32_t>(slots_[slot]) - 1;
            if ((slots_[slot] & ~0xFFFFFFFFull) == tag && at(n) == word)
                return n;
            slot = (slot + 1) & (slots_.size() - 1);
        }
        letters_.append(word);
        start_.push_back(static_cast<uint32_t>(letters_.size()));
        slots_[slot] = tag | count();
        return count() - 1;
    }
    uint32_t count() const { return static_cast<uint32_t>(start_.size() - 1); }
    std::u16string_view at(uint32_t n) const
    {
        return std::u16string_view(letters_).substr(start_[n], start_[n + 1] - start_[n]);
    }

private:
    static uint64_t hash(std::u16string_view word)
    {
        uint64_t h = 14695981039346656037ull;
        for (char16_t c : word)
            h = (h ^ c) * 1099511628211ull;
        return h ^ (h >> 29);
    }
    void grow()
    {
        slots_.assign(std::max<size_t>(1 << 16, 2 * slots_.size()), 0);
        for (uint32_t n = 0; n < count(); ++n) {
            const uint64_t h = hash(at(n));
            size_t slot = h & (slots_.size() - 1);
            while (slots_[slot] != 0)
                slot = (slot + 1) & (slots_.size() - 1);
            slots_[slot] = (h >> 32 << 32) | (n + 1);
        }
    }

    std::vector<uint64_t> slots_;  // hash's upper half, word's number + 1; 0 for a free slot
    std::u16string letters_;
    std::vector<uint32_t> start_{0};
};

} // namespace

SearchIndex::SearchIndex(Corpus corpus, const std::atomic<bool>& cancel)
{
    // Gather the texts, then number the words in the order first seen, then
    // renumber them in sorted order.
    WordNumbers numbers;
    std::u16string key;
    std::vector<uint32_t> tokens;
    std::vector<uint32_t> token_start{0};
    const auto add_segment = [&](const QString& text) {
        for_each_word(text, [&](qsizetype start, qsizetype length) {
            key.clear();
            fold_word(QStringView(text).mid(start, length), key);
            tokens.push_back(numbers.number(key));
        });
    };

    // About one word in six letters.
    qsizetype size = 0;
    for (const CorpusVerse& verse : corpus.verses)
        size += verse.text.size();
    tokens.reserve(static_cast<size_t>(size / 5));

    for (const CorpusDay& day : corpus.days) {
        if (cancel)
            return;
        for (int field = 0; field < day_fields; ++field) {
            if (field > 0)
                tokens.push_back(no_word);
            add_segment(field < day.fields.size() ? day.fields[field] : QString());
        }
        token_start.push_back(static_cast<uint32_t>(tokens.size()));
    }
    for (const CorpusVerse& verse : corpus.verses) {
        if (cancel) {
            verse_places_.clear();
            book_verses_ = 0;
            return;
        }
        verse_places_.push_back(pack_place(verse.book, verse.chapter, verse.verse));
        book_verses_ += verse.translation == 0;
        add_segment(verse.text);
        token_start.push_back(static_cast<uint32_t>(tokens.size()));
    }

    std::vector<uint32_t> order(numbers.count());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return numbers.at(a) < numbers.at(b); });
    std::vector<uint32_t> renumbered(order.size());
    words_.reserve(order.size());
    for (uint32_t i = 0; i < order.size(); ++i) {
        renumbered[order[i]] = i;
        words_.emplace_back(numbers.at(order[i]));
    }
    for (uint32_t& token : tokens)
        if (token != no_word)
            token = renumbered[token];

    // Each document once in the list of each of its words.
    std::vector<uint32_t> last_document(words_.size(), UINT32_MAX);
    posting_start_.assign(words_.size() + 1, 0);
    const auto each_new = [&](auto add) {
        std::fill(last_document.begin(), last_document.end(), UINT32_MAX);
        for (uint32_t document = 0; document + 1 < token_start.size(); ++document)
            for (uint32_t t = token_start[document]; t < token_start[document + 1]; ++t)
                if (tokens[t] != no_word && last_document[tokens[t]] != document) {
                    last_document[tokens[t]] = document;
                    add(tokens[t], document);
                }
    };
    each_new([&](uint32_t word, uint32_t) { ++posting_start_[word + 1]; });
    std::partial_sum(posting_start_.begin(), posting_start_.end(), posting_start_.begin());
    postings_.resize(posting_start_.back());
    std::vector<uint32_t> fill(posting_start_.begin(), posting_start_.end() - 1);
    each_new([&](uint32_t word, uint32_t document) { postings_[fill[word]++] = document; });

    tokens_ = std::move(tokens);
    token_start_ = std::move(token_start);
    corpus_ = std::move(corpus);
}

QStringView SearchIndex::day_field(int day, int field) const
{
    const QStringList& fields = corpus_.days[day].fields;
    return field < fields.size() ? QStringView(fields[field]) : QStringView();
}

SearchIndex::Place SearchIndex::verse_place(int verse) const
{
    const uint64_t packed = verse_places_[verse];
    return {static_cast<int>(packed >> 32), static_cast<int>(packed >> 16 & 0xFFFF), static_cast<int>(packed & 0xFFFF)};
}

QString SearchIndex::verse_translation(int verse) const
{
    const QStringList& names = corpus_.translations;
    const int translation = corpus_.verses[verse].translation;
    return translation < names.size() ? names[translation] : QString();
}

std::optional<int> SearchIndex::find_verse(int book, int chapter, int verse) const
{
    const uint64_t packed = pack_place(book, chapter, verse);
    const auto end = verse_places_.begin() + book_verses_;
    const auto it = std::lower_bound(verse_places_.begin(), end, packed);
    if (it == end || *it != packed)
        return std::nullopt;
    return static_cast<int>(it - verse_places_.begin());
}

int SearchIndex::last_verse(int book, int chapter) const
{
    const auto it = std::upper_bound(verse_places_.begin(), verse_places_.begin() + book_verses_,
                                     pack_place(book, chapter, 0xFFFF));
    if (it == verse_places_.begin() || (*(it - 1) >> 16) != (pack_place(book, chapter, 0) >> 16))
        return 0;
    return static_cast<int>(*(it - 1) & 0xFFFF);
}

bool SearchIndex::Term::contains(uint32_t word) const
{
    return wild ? std::binary_search(words.begin(), words.end(), word) : first <= word && word < last;
}

SearchIndex::Prepared SearchIndex::prepare(const std::vector<QueryGroup>& groups) const
{
    Prepared prepared;
    for (const QueryGroup& group : groups) {
        std::vector<Term> terms;
        for (const std::u16string& pattern : group.words) {
            // The letters before the first star fix the run of words to look at.
            const std::u16string_view lead = std::u16string_view(pattern).substr(0, pattern.find(u'*'));
            const auto begin = std::lower_bound(words_.begin(), words_.end(), lead,
                                                [](const std::u16string& w, std::u16string_view p) { return w < p; });
            auto end = begin;
            while (end != words_.end() && std::u16string_view(*end).starts_with(lead))
                ++end;
            Term term;
            term.first = static_cast<uint32_t>(begin - words_.begin());
            term.last = static_cast<uint32_t>(end - words_.begin());
            if (lead.size() != pattern.size()) {
                term.wild = true;
                for (uint32_t w = term.first; w < term.last; ++w)
                    if (word_matches(pattern, words_[w]))
                        term.words.push_back(w);
            }
            terms.push_back(std::move(term));
        }
        prepared.push_back(std::move(terms));
    }
    return prepared;
}

void SearchIndex::add_postings(const Term& term, std::vector<uint64_t>& bits) const
{
    const auto add_word = [&](uint32_t w) {
        for (uint32_t p = posting_start_[w]; p < posting_start_[w + 1]; ++p)
            bits[postings_[p] >> 6] |= uint64_t(1) << (postings_[p] & 63);
    };
    if (term.wild)
        std::for_each(term.words.begin(), term.words.end(), add_word);
    else
        for (uint32_t w = term.first; w < term.last; ++w)
            add_word(w);
}

bool SearchIndex::phrase_in(uint32_t document, const std::vector<Term>& phrase) const
{
    const uint32_t begin = token_start_[document], end = token_start_[document + 1];
    for (uint32_t t = begin; t + phrase.size() <= end; ++t) {
        size_t i = 0;
        while (i < phrase.size() && phrase[i].contains(tokens_[t + i]))
            ++i;
        if (i == phrase.size())
            return true;
    }
    return false;
}

std::vector<uint32_t> SearchIndex::find(const Prepared& query) const
{
    std::vector<uint32_t> found;
    if (query.empty())
        return found;
    const size_t documents = token_start_.empty() ? 0 : token_start_.size() - 1;
    const size_t blocks = (documents + 63) / 64;
    std::vector<uint64_t> all(blocks, ~uint64_t(0));
    std::vector<uint64_t> bits(blocks);
    for (const std::vector<Term>& group : query) {
        for (const Term& term : group) {
            std::fill(bits.begin(), bits.end(), 0);
            add_postings(term, bits);
            for (size_t b = 0; b < blocks; ++b)
                all[b] &= bits[b];
        }
    }
    for (size_t b = 0; b < blocks; ++b) {
        for (uint64_t rest = all[b]; rest; rest &= rest - 1) {
            const uint32_t document = static_cast<uint32_t>(b * 64 + std::countr_zero(rest));
            if (document >= documents)
                break;
            const bool phrases_hold = std::all_of(query.begin(), query.end(), [&](const std::vector<Term>& group) {
                return group.size() < 2 || phrase_in(document, group);
            });
            if (phrases_hold)
                found.push_back(document);
        }
    }
    return found;
}

std::vector<std::pair<qsizetype, qsizetype>> SearchIndex::marks(QStringView text, const Prepared& query) const
{
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    std::u16string key;
    for_each_word(text, [&](qsizetype start, qsizetype length) {
        key.clear();
        fold_word(text.mid(start, length), key);
        const auto it = std::lower_bound(words_.begin(), words_.end(), key);
        if (it == words_.end() || *it != key)
            return;
        const uint32_t word = static_cast<uint32_t>(it - words_.begin());
        for (const std::vector<Term>& group : query)
            for (const Term& term : group)
                if (term.contains(word)) {
                    spans.emplace_back(start, length);
                    return;
                }
    });
    return spans;
}
