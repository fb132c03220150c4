// The Access LIKE matcher against a plain reference: the pattern read into
// its wildcards as documented, the text decoded character by character, and
// every way of matching tried by dynamic programming. The matcher's fast
// paths (anchor bytes sixteen at a time, case forms of other lengths, stray
// bytes) must give the same answer.

#include "fuzz_input.h"
#include "like_pattern.h"

#include <QChar>
#include <QList>

#include <string_view>
#include <vector>

namespace {

struct Element {
    enum class Kind { Star, Character, AnyCharacter, Digit, List };
    explicit Element(Kind k, char32_t c = 0) : kind(k), character(c) {}
    Kind kind;
    char32_t character;  // Character: case-folded
    std::vector<std::pair<char32_t, char32_t>> ranges;
    bool negated = false;
};

char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

std::vector<Element> read_pattern(const QString& pattern)
{
    const QList<uint> cps = pattern.toUcs4();
    std::vector<Element> elements;
    for (qsizetype i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        if (c == U'*') {
            elements.emplace_back(Element::Kind::Star);
        } else if (c == U'?') {
            elements.emplace_back(Element::Kind::AnyCharacter);
        } else if (c == U'#') {
            elements.emplace_back(Element::Kind::Digit);
        } else if (c == U'[' && cps.indexOf(U']', i + 1) > i) {
            const qsizetype close = cps.indexOf(U']', i + 1);
            qsizetype k = i + 1;
            i = close;
            if (k == close)
                continue;  // "[]": the empty text
            Element list(Element::Kind::List);
            if (cps[k] == U'!') {
                list.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && cps[k + 1] == U'-') {
                    list.ranges.emplace_back(cps[k], cps[k + 2]);
                    k += 2;
                } else {
                    list.ranges.emplace_back(fold(cps[k]), fold(cps[k]));
                }
            }
            elements.push_back(list);
        } else {
            elements.emplace_back(Element::Kind::Character, fold(c));
        }
    }
    return elements;
}

// UTF-8 as the matcher reads it: every byte outside a well-formed sequence
// is one U+FFFD.
std::vector<char32_t> decode(std::string_view bytes)
{
    std::vector<char32_t> out;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    const auto cont = [&](size_t i) { return i < n && (p[i] & 0xC0) == 0x80; };
    for (size_t i = 0; i < n;) {
        const unsigned b = p[i];
        size_t length = 0;
        char32_t c = 0;
        if (b < 0x80) {
            length = 1;
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF && cont(i + 1)) {
            length = 2;
            c = (b & 0x1F) << 6 | (p[i + 1] & 0x3F);
        } else if (b >= 0xE0 && b <= 0xEF && cont(i + 1) && cont(i + 2)) {
            c = (b & 0x0F) << 12 | (p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F);
            length = (c >= 0x800 && !(c >= 0xD800 && c <= 0xDFFF)) ? 3 : 0;
        } else if (b >= 0xF0 && b <= 0xF4 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
            c = (b & 0x07) << 18 | (p[i + 1] & 0x3F) << 12 | (p[i + 2] & 0x3F) << 6 | (p[i + 3] & 0x3F);
            length = (c >= 0x10000 && c <= 0x10FFFF) ? 4 : 0;
        }
        if (length == 0) {
            out.push_back(0xFFFD);
            ++i;
        } else {
            out.push_back(c);
            i += length;
        }
    }
    return out;
}

bool element_matches(const Element& e, char32_t c)
{
    switch (e.kind) {
    case Element::Kind::Character:
        return fold(c) == e.character;
    case Element::Kind::AnyCharacter:
        return true;
    case Element::Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Element::Kind::List: {
        // A letter is listed when any of its cases is.
        const char32_t folded = fold(c);
        bool listed = false;
        for (const auto& [first, last] : e.ranges)
            for (const char32_t variant : {c, folded, char32_t(QChar::toUpper(folded))})
                listed = listed || (variant >= first && variant <= last);
        return listed != e.negated;
    }
    case Element::Kind::Star:
        break;
    }
    return false;
}

bool reference_match(const std::vector<Element>& pattern, const std::vector<char32_t>& text)
{
    // rest[j]: the pattern from element i on matches the text from j on.
    std::vector<char> rest(text.size() + 1, 0);
    rest[text.size()] = 1;
    for (size_t i = pattern.size(); i-- > 0;) {
        std::vector<char> now(text.size() + 1, 0);
        for (size_t j = text.size() + 1; j-- > 0;) {
            if (pattern[i].kind == Element::Kind::Star)
                now[j] = rest[j] || (j < text.size() && now[j + 1]);
            else
                now[j] = j < text.size() && rest[j + 1] && element_matches(pattern[i], text[j]);
        }
        rest.swap(now);
    }
    return rest[0];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString pattern = next_text(input, 128);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const LikePattern like(pattern);
    const bool matched = like.matches_utf8(text);
    FUZZ_CHECK(matched == reference_match(read_pattern(pattern), decode(text)));

    const QString value = QString::fromUtf8(text);
    if (value.toUtf8() == QByteArray::fromStdString(text))
        FUZZ_CHECK(like.matches(value) == matched && like_match(value, pattern) == matched);
    return 0;
}
