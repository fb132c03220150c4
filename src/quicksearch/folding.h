// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Words as the quick search compares them: lower case, with German spellings
// folded so that "Füße", "Fuesse" and "Fusse" become one word.

#include <QString>
#include <QStringView>

#include <string>

// `word` in lower case with ä/ae -> a, ö/oe -> o, ü/ue -> u (ue not after a
// vowel or q) and ß -> ss; every other character kept. Appends to `out`.
void fold_word(QStringView word, std::u16string& out);
std::u16string fold_word(QStringView word);

// Whether `c` belongs to a word: letters and digits.
inline bool is_word_char(QChar c)
{
    return c.isLetterOrNumber();
}

// Calls `found(start, length)` for every word of `text`, left to right.
template <class Found>
void for_each_word(QStringView text, Found found)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && !is_word_char(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && is_word_char(text[i]))
            ++i;
        if (i > start)
            found(start, i - start);
    }
}
