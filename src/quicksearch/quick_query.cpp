// SPDX-License-Identifier: GPL-2.0-or-later
#include "quick_query.h"

#include "folding.h"

#include <algorithm>

std::vector<QueryGroup> parse_quick_query(QStringView text)
{
    std::vector<QueryGroup> groups;
    bool quoted = false;
    QueryGroup phrase;
    const auto end_phrase = [&] {
        if (!phrase.words.empty())
            groups.push_back(std::move(phrase));
        phrase = {};
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'"') {
            if (quoted)
                end_phrase();
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!is_word_char(c) && c != u'*') {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool has_letter = false;
        while (i < text.size() && (is_word_char(text[i]) || text[i] == u'*'))
            has_letter |= text[i++] != u'*';
        if (!has_letter)
            continue;
        std::u16string word = fold_word(text.mid(start, i - start));
        if (quoted)
            phrase.words.push_back(std::move(word));
        else
            groups.push_back({{std::move(word)}});
    }
    end_phrase();
    return groups;
}

bool word_matches(std::u16string_view pattern, std::u16string_view word)
{
    // Greedy glob with the last star as the point to go back to; the pattern
    // is a prefix, so running out of pattern is a match.
    size_t p = 0, w = 0, star = std::u16string_view::npos, resume = 0;
    while (p < pattern.size()) {
        if (pattern[p] == u'*') {
            star = p++;
            resume = w;
        } else if (w < word.size() && pattern[p] == word[w]) {
            ++p;
            ++w;
        } else if (star != std::u16string_view::npos && resume < word.size()) {
            p = star + 1;
            w = ++resume;
        } else {
            return false;
        }
    }
    return true;
}

std::vector<std::pair<qsizetype, qsizetype>> text_marks(QStringView text, const std::vector<QueryGroup>& groups)
{
    struct Word {
        qsizetype start;
        qsizetype length;
        std::u16string folded;
    };
    std::vector<Word> words;
    for_each_word(text, [&](qsizetype start, qsizetype length) {
        words.push_back({start, length, fold_word(text.mid(start, length))});
    });
    const auto group_at = [&](const QueryGroup& group, size_t first) {
        for (size_t i = 0; i < group.words.size(); ++i)
            if (first + i >= words.size() || !word_matches(group.words[i], words[first + i].folded))
                return false;
        return true;
    };
    for (const QueryGroup& group : groups) {
        size_t first = 0;
        while (first < words.size() && !group_at(group, first))
            ++first;
        if (first == words.size())
            return {};
    }
    std::vector<std::pair<qsizetype, qsizetype>> marks;
    for (const Word& word : words)
        for (const QueryGroup& group : groups)
            if (std::any_of(group.words.begin(), group.words.end(),
                            [&](const std::u16string& pattern) { return word_matches(pattern, word.folded); })) {
                marks.emplace_back(word.start, word.length);
                break;
            }
    return marks;
}
