// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The meaning of an Access LIKE pattern written the plain way, for the unit
// test and the fuzzer of the matcher: the pattern read wildcard by wildcard
// as like_pattern.h documents it, the text decoded character by character,
// and every way of matching tried by dynamic programming. The matcher's fast
// paths (anchor bytes sixteen at a time, case forms of other lengths, stray
// bytes) must give the same answer.

#include <QChar>
#include <QList>
#include <QString>

#include <string_view>
#include <vector>

namespace like_reference {

// One wildcard or character of a pattern.
struct Element {
    char kind = 'c';                                     // '*', '?', '#', '[' or 'c' (a character)
    char32_t character = 0;                              // folded
    bool negated = false;                                // "[!...]"
    std::vector<std::pair<char32_t, char32_t>> ranges;   // of a list; its single characters folded
};

inline char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

inline std::vector<Element> read_pattern(const QString& pattern)
{
    const QList<uint> p = pattern.toUcs4();
    std::vector<Element> elements;
    for (qsizetype i = 0; i < p.size(); ++i) {
        Element e;
        e.kind = p[i] == U'*' || p[i] == U'?' || p[i] == U'#' ? char(p[i]) : 'c';
        e.character = fold(p[i]);
        const qsizetype close = p[i] == U'[' ? p.indexOf(U']', i + 1) : -1;
        if (close == i + 1) {
            i = close;  // "[]": the empty text
            continue;
        }
        if (close > i) {
            e.kind = '[';
            e.negated = p[i + 1] == U'!';
            for (qsizetype k = i + (e.negated ? 2 : 1); k < close; ++k) {
                const bool range = k + 2 < close && p[k + 1] == U'-';
                e.ranges.emplace_back(range ? p[k] : fold(p[k]), range ? p[k + 2] : fold(p[k]));
                k += range ? 2 : 0;
            }
            i = close;
        }
        elements.push_back(e);
    }
    return elements;
}

// UTF-8 as the matcher reads it: every byte outside a well-formed sequence
// is one U+FFFD.
inline std::vector<char32_t> decode(std::string_view bytes)
{
    std::vector<char32_t> out;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        // The sequence's length by its lead byte, the lowest value it may encode, its value bits.
        const size_t length = b[i] < 0x80 ? 1 : b[i] >= 0xC2 && b[i] <= 0xDF ? 2 : b[i] >= 0xE0 && b[i] <= 0xEF ? 3
                            : b[i] >= 0xF0 && b[i] <= 0xF4 ? 4 : 0;
        char32_t c = length == 1 ? b[i] : b[i] & (0x7F >> length);
        bool sound = length > 0 && i + length <= n;
        for (size_t k = 1; sound && k < length; ++k) {
            sound = (b[i + k] & 0xC0) == 0x80;
            c = c << 6 | (b[i + k] & 0x3F);
        }
        const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        sound = sound && c >= lowest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        out.push_back(sound ? c : 0xFFFD);
        i += sound ? length : 1;
    }
    return out;
}

inline bool takes(const Element& e, char32_t c)
{
    if (e.kind != '[')
        return e.kind == '?' || (e.kind == '#' ? c >= U'0' && c <= U'9' : fold(c) == e.character);
    // A letter is listed when any of its cases is.
    bool listed = false;
    for (const auto& [first, last] : e.ranges)
        for (const char32_t variant : {c, fold(c), char32_t(QChar::toUpper(fold(c)))})
            listed = listed || (variant >= first && variant <= last);
    return listed != e.negated;
}

} // namespace like_reference

// Whether the UTF-8 `text` matches `pattern`, by the plain reading above.
inline bool reference_like(const QString& pattern, std::string_view text)
{
    using namespace like_reference;
    const std::vector<Element> elements = read_pattern(pattern);
    const std::vector<char32_t> chars = decode(text);
    // rest[j]: the pattern from the current element on matches the text from j on.
    std::vector<char> rest(chars.size() + 1, 0);
    rest[chars.size()] = 1;
    for (size_t i = elements.size(); i-- > 0;) {
        std::vector<char> now(chars.size() + 1, 0);
        for (size_t j = chars.size() + 1; j-- > 0;)
            now[j] = elements[i].kind == '*' ? rest[j] || (j < chars.size() && now[j + 1])
                                      : j < chars.size() && rest[j + 1] && takes(elements[i], chars[j]);
        rest.swap(now);
    }
    return rest[0];
}
