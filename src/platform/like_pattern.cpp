#include "like_pattern.h"

#include <QChar>
#include <QList>

#include <cstring>

namespace {

constexpr char32_t replacement_character = 0xFFFD;
// Code points below this take one or two bytes in UTF-8; their case folding
// is looked up in a table, the rest is asked of Qt.
constexpr char32_t table_limit = 0x800;

struct Folding {
    std::array<char32_t, table_limit> low{};
    // Characters below table_limit that a character at or above it folds to
    // (Kelvin sign to "k", capital sharp s to "ß" ...).
    std::array<bool, table_limit> reached_from_high{};
};

const Folding& folding()
{
    static const Folding table = [] {
        Folding f;
        for (char32_t c = 0; c < table_limit; ++c)
            f.low[c] = QChar::toCaseFolded(c);
        // Above the BMP case pairs stay within their own planes.
        for (char32_t c = table_limit; c < 0x10000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded < table_limit)
                f.reached_from_high[folded] = true;
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

// The first byte of the UTF-8 form of `c` (c below table_limit).
inline unsigned char lead_byte(char32_t c)
{
    return c < 0x80 ? (unsigned char)c : (unsigned char)(0xC0 | (c >> 6));
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
    piece.plain = !piece.elements.empty();
    for (const Element& e : piece.elements)
        piece.plain = piece.plain && e.kind == Element::Kind::Character;
    if (!piece.plain)
        return;
    const Folding& f = folding();
    const char32_t first = piece.elements.front().folded;
    // U+FFFD also stands for stray bytes, which may sit inside a sequence:
    // such pieces are searched character by character.
    if (first == replacement_character) {
        piece.walk = true;
        return;
    }
    for (char32_t c = 0; c < table_limit; ++c)
        if (f.low[c] == first)
            piece.starts[lead_byte(c)] = true;
    if (first >= table_limit || f.reached_from_high[first])
        for (int b = 0xE0; b <= 0xF4; ++b)
            piece.starts[b] = true;
    for (int b = 0; b < 256; ++b)
        if (piece.starts[b])
            piece.start_bytes.push_back((unsigned char)b);
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

size_t LikePattern::next_start(const Piece& piece, std::string_view text, size_t from)
{
    if (from >= text.size())
        return std::string_view::npos;
    const char* begin = text.data();
    const size_t length = text.size() - from;
    // Most pieces begin with a letter whose only forms are one byte each
    // (g, G) or one lead byte (ä, Ä): memchr finds those fastest.
    if (piece.start_bytes.size() <= 2) {
        const void* hit = std::memchr(begin + from, piece.start_bytes[0], length);
        size_t found = hit ? size_t(static_cast<const char*>(hit) - begin) : text.size();
        if (piece.start_bytes.size() == 2) {
            const void* other = std::memchr(begin + from, piece.start_bytes[1], found - from);
            if (other)
                found = size_t(static_cast<const char*>(other) - begin);
        }
        return found < text.size() ? found : std::string_view::npos;
    }
    for (size_t i = from; i < text.size(); ++i)
        if (piece.starts[(unsigned char)begin[i]])
            return i;
    return std::string_view::npos;
}

bool LikePattern::search(const Piece& piece, std::string_view text, size_t& pos)
{
    if (!piece.plain || piece.walk) {
        for (size_t p = pos;; decode(text, p)) {
            size_t end = p;
            if (match_at(piece, text, end)) {
                pos = end;
                return true;
            }
            if (p >= text.size())
                return false;
        }
    }
    for (size_t p = next_start(piece, text, pos); p != std::string_view::npos;
         p = next_start(piece, text, p + 1)) {
        size_t end = p;
        if (match_at(piece, text, end)) {
            pos = end;
            return true;
        }
    }
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
