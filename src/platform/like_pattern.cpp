// SPDX-License-Identifier: GPL-2.0-or-later
#include "like_pattern.h"

#include <QChar>
#include <QList>

#include <algorithm>
#include <array>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char32_t replacement_character = 0xFFFD;
// Code points below this take one or two bytes in UTF-8; their case folding
// is looked up in a table, the rest is asked of Qt.
constexpr char32_t table_limit = 0x800;

struct Folding {
    std::array<char32_t, table_limit> low{};
    // For every character that others fold to, those others: "A" and "K"
    // (Kelvin sign) for "k"... Case pairs end below 0x20000.
    std::unordered_map<char32_t, std::vector<char32_t>> others;
};

const Folding& folding()
{
    static const Folding table = [] {
        Folding f;
        for (char32_t c = 0; c < 0x20000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            if (c < table_limit)
                f.low[c] = folded;
            if (folded != c)
                f.others[folded].push_back(c);
        }
        return f;
    }();
    return table;
}

inline char32_t fold(const Folding& f, char32_t c)
{
    return c < table_limit ? f.low[c] : QChar::toCaseFolded(c);
}

inline bool is_continuation(const unsigned char* p, size_t i, size_t n)
{
    return i < n && (p[i] & 0xC0) == 0x80;
}

// The character at byte `pos` of `text`; advances `pos` past it. A byte that
// does not start a well-formed sequence gives U+FFFD and advances by one, so
// every byte that is not a continuation byte starts a character.
inline char32_t decode(std::string_view text, size_t& pos)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    const unsigned char b0 = p[pos];
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF && is_continuation(p, pos + 1, n)) {
        const char32_t c = char32_t(b0 & 0x1F) << 6 | (p[pos + 1] & 0x3F);
        pos += 2;
        return c;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF && is_continuation(p, pos + 1, n) && is_continuation(p, pos + 2, n)) {
        const char32_t c = char32_t(b0 & 0x0F) << 12 | char32_t(p[pos + 1] & 0x3F) << 6 | (p[pos + 2] & 0x3F);
        if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
            pos += 3;
            return c;
        }
    }
    if (b0 >= 0xF0 && b0 <= 0xF4 && is_continuation(p, pos + 1, n) && is_continuation(p, pos + 2, n)
        && is_continuation(p, pos + 3, n)) {
        const char32_t c = char32_t(b0 & 0x07) << 18 | char32_t(p[pos + 1] & 0x3F) << 12
            | char32_t(p[pos + 2] & 0x3F) << 6 | (p[pos + 3] & 0x3F);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            pos += 4;
            return c;
        }
    }
    ++pos;
    return replacement_character;
}

std::string utf8(char32_t c)
{
    std::string bytes;
    if (c < 0x80) {
        bytes += char(c);
    } else if (c < 0x800) {
        bytes += char(0xC0 | (c >> 6));
        bytes += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += char(0xE0 | (c >> 12));
        bytes += char(0x80 | ((c >> 6) & 0x3F));
        bytes += char(0x80 | (c & 0x3F));
    } else {
        bytes += char(0xF0 | (c >> 18));
        bytes += char(0x80 | ((c >> 12) & 0x3F));
        bytes += char(0x80 | ((c >> 6) & 0x3F));
        bytes += char(0x80 | (c & 0x3F));
    }
    return bytes;
}

// How often a (folded) character turns up in German text, as a rank: the
// search anchors on the rarest characters of a piece.
int commonness(char32_t c)
{
    static constexpr std::string_view letters_by_frequency = "qxyjvpzkfwbomgcluhdtarsine";
    if (c == U' ')
        return 40;
    if (c < 0x80 && letters_by_frequency.find(char(c)) != std::string_view::npos)
        return 10 + int(letters_by_frequency.find(char(c)));
    if (c >= U'0' && c <= U'9')
        return 0;
    return c < 0x80 ? 20 : 5;
}

} // namespace

LikePattern::LikePattern(QStringView pattern)
{
    const Folding& f = folding();
    const QList<uint> cps = pattern.toUcs4();
    const qsizetype n = cps.size();
    pieces_.emplace_back();
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = cps[i];
        const qsizetype close = c == U'[' ? cps.indexOf(U']', i + 1) : -1;
        std::vector<Element>& elements = pieces_.back().elements;
        if (c == U'*') {
            pieces_.emplace_back();
        } else if (c == U'?') {
            elements.emplace_back(Element::Kind::AnyCharacter);
        } else if (c == U'#') {
            elements.emplace_back(Element::Kind::Digit);
        } else if (close > i) {
            qsizetype k = i + 1;
            if (k == close) { // "[]" matches the empty text: nothing to add
                i = close;
                continue;
            }
            Element list(Element::Kind::List);
            if (cps[k] == U'!') {
                list.negated = true;
                ++k;
            }
            while (k < close) {
                if (k + 2 < close && cps[k + 1] == U'-') {
                    list.ranges.push_back({cps[k], cps[k + 2]});
                    k += 3;
                } else {
                    const char32_t listed = fold(f, cps[k]);
                    list.ranges.push_back({listed, listed});
                    ++k;
                }
            }
            elements.push_back(std::move(list));
            i = close;
        } else {
            Element character(Element::Kind::Character);
            character.folded = fold(f, c);
            elements.push_back(std::move(character));
        }
    }
    for (Piece& piece : pieces_)
        prepare_search(piece);
}

void LikePattern::prepare_search(Piece& piece)
{
    const Folding& f = folding();
    struct Choice {
        Anchor anchor;
        int commonness;
    };
    std::vector<Choice> choices;
    size_t offset = 0;
    for (const Element& e : piece.elements) {
        // U+FFFD also stands for stray bytes, which have no fixed length.
        if (e.kind != Element::Kind::Character || e.folded == replacement_character)
            return;
        const std::string form = utf8(e.folded);
        std::vector<std::string> regular{form};
        if (const auto others = f.others.find(e.folded); others != f.others.end()) {
            for (char32_t other : others->second) {
                std::string other_form = utf8(other);
                (other_form.size() == form.size() ? regular : piece.irregular).push_back(std::move(other_form));
            }
        }
        // An anchor byte: where the forms differ at most by the 0x20 bit,
        // which is where case pairs differ (g/G; C3 A4/C3 84 for ä/Ä).
        std::vector<size_t> differing;
        for (size_t j = 0; j < form.size(); ++j)
            for (const std::string& r : regular)
                if (r[j] != form[j] && (differing.empty() || differing.back() != j))
                    differing.push_back(j);
        const size_t j = differing.empty() ? form.size() - 1 : differing.front();
        const auto fold_bit = (unsigned char)(differing.empty() ? 0 : 0x20);
        const auto value = (unsigned char)(form[j] | fold_bit);
        bool usable = differing.size() <= 1;
        for (const std::string& r : regular)
            usable = usable && ((unsigned char)r[j] | fold_bit) == value;
        if (usable)
            choices.push_back({{offset + j, value, fold_bit}, commonness(e.folded)});
        offset += form.size();
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const Choice& a, const Choice& b) { return a.commonness < b.commonness; });
    for (size_t i = 0; i < choices.size() && i < 2; ++i)
        piece.anchors.push_back(choices[i].anchor);
    piece.byte_length = offset;
}

bool LikePattern::element_matches(const Element& element, char32_t c)
{
    switch (element.kind) {
    case Element::Kind::Character:
        return fold(folding(), c) == element.folded;
    case Element::Kind::AnyCharacter:
        return true;
    case Element::Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Element::Kind::List: {
        // A character is listed when it or one of its cases is: [a-c] and
        // [A-C] both take "B".
        const char32_t folded = fold(folding(), c);
        const char32_t upper = QChar::toUpper(folded);
        bool listed = false;
        for (const Range& r : element.ranges)
            for (char32_t variant : {c, folded, upper})
                listed = listed || (variant >= r.first && variant <= r.last);
        return listed != element.negated;
    }
    }
    return false;
}

bool LikePattern::match_at(const Piece& piece, std::string_view text, size_t& pos)
{
    const Folding& f = folding();
    size_t p = pos;
    for (const Element& e : piece.elements) {
        if (p >= text.size())
            return false;
        const char32_t c = decode(text, p);
        if (e.kind == Element::Kind::Character ? fold(f, c) != e.folded : !element_matches(e, c))
            return false;
    }
    pos = p;
    return true;
}

bool LikePattern::search(const Piece& piece, std::string_view text, size_t& pos)
{
    bool irregular = false;
    for (const std::string& form : piece.irregular)
        irregular = irregular || text.find(form, pos) != std::string_view::npos;
    if (piece.anchors.empty() || irregular)
        return search_by_characters(piece, text, pos);
    return search_by_anchors(piece, text, pos);
}

bool LikePattern::search_by_characters(const Piece& piece, std::string_view text, size_t& pos)
{
    const Folding& f = folding();
    const Element& first = piece.elements.front();
    for (size_t p = pos; p < text.size();) {
        const size_t start = p;
        const char32_t c = decode(text, p);
        // Most starts fail on the first character; check that here.
        if (first.kind == Element::Kind::Character ? fold(f, c) != first.folded : !element_matches(first, c))
            continue;
        size_t end = start;
        if (match_at(piece, text, end)) {
            pos = end;
            return true;
        }
    }
    return false;
}

bool LikePattern::search_by_anchors(const Piece& piece, std::string_view text, size_t& pos)
{
    if (text.size() < pos + piece.byte_length)
        return false;
    const size_t last_start = text.size() - piece.byte_length;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const Anchor& a = piece.anchors.front();
    const Anchor& b = piece.anchors.back();
    // A start inside a character reads as U+FFFD, which no such piece holds,
    // so match_at never takes one.
    const auto try_at = [&](size_t start) {
        size_t end = start;
        if (!match_at(piece, text, end))
            return false;
        pos = end;
        return true;
    };
    size_t start = pos;
#if defined(__SSE2__)
    // Sixteen starts at a time; the loads stay inside the text because each
    // anchor lies within the piece's bytes.
    const __m128i a_value = _mm_set1_epi8(char(a.value));
    const __m128i a_fold = _mm_set1_epi8(char(a.fold_bit));
    const __m128i b_value = _mm_set1_epi8(char(b.value));
    const __m128i b_fold = _mm_set1_epi8(char(b.fold_bit));
    const auto hits_from = [&](size_t block) {
        const __m128i at_a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + block + a.offset));
        const __m128i at_b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + block + b.offset));
        return unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(at_a, a_fold), a_value),
                                                        _mm_cmpeq_epi8(_mm_or_si128(at_b, b_fold), b_value))));
    };
    const auto try_hits = [&](size_t block, unsigned hits) {
        for (; hits != 0; hits &= hits - 1)
            if (try_at(block + size_t(__builtin_ctz(hits))))
                return true;
        return false;
    };
    if (last_start >= pos + 15) {
        for (; start + 15 <= last_start; start += 16)
            if (try_hits(start, hits_from(start)))
                return true;
        // The last starts: one more block ending at the last start, without
        // the starts already tried.
        if (start <= last_start) {
            const size_t block = last_start - 15;
            return try_hits(block, hits_from(block) & ~((1u << (start - block)) - 1));
        }
        return false;
    }
#endif
    for (; start <= last_start; ++start)
        if ((bytes[start + a.offset] | a.fold_bit) == a.value && (bytes[start + b.offset] | b.fold_bit) == b.value
            && try_at(start))
            return true;
    return false;
}

bool LikePattern::matches_utf8(std::string_view text) const
{
    size_t pos = 0;
    if (!match_at(pieces_.front(), text, pos))
        return false;
    if (pieces_.size() == 1)
        return pos == text.size();
    // Every element takes exactly one character, so the leftmost match of
    // each middle piece leaves the most room for the rest.
    for (size_t i = 1; i + 1 < pieces_.size(); ++i)
        if (!pieces_[i].elements.empty() && !search(pieces_[i], text, pos))
            return false;
    const Piece& last = pieces_.back();
    if (last.elements.empty())
        return true;
    // The last piece ends the text: it starts as many characters before the
    // end as it has elements, and not before what is matched already.
    size_t remaining = 0;
    for (size_t p = pos; p < text.size(); decode(text, p))
        ++remaining;
    if (remaining < last.elements.size())
        return false;
    for (size_t skip = remaining - last.elements.size(); skip > 0; --skip)
        decode(text, pos);
    return match_at(last, text, pos);
}

bool LikePattern::matches(QStringView value) const
{
    const QByteArray utf8 = value.toUtf8();
    return matches_utf8(std::string_view(utf8.constData(), size_t(utf8.size())));
}

bool like_match(QStringView value, QStringView pattern)
{
    return LikePattern(pattern).matches(value);
}
