// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// LIKE patterns with the Access wildcards, matched without regard to case.
//
//   *        any run of characters, also none
//   ?        any one character
//   #        any one digit 0-9
//   [abc]    one of the listed characters; [a-c] one in that range
//   [!abc]   one character that is none of them
//
// Every other character stands for itself, and so do * ? # [ inside brackets
// ("[*]" matches "*"). A "-" first or last in a list, and a "!" not first, is
// a listed character. "[]" matches the empty text; a "[" without its "]"
// stands for itself. Letters match in either case by Unicode simple case
// folding, so ä matches Ä and the comparison never depends on the locale;
// "ß" has no one-letter capital and matches only itself (and "ẞ").
//
// Characters are Unicode code points. UTF-8 input is matched as it is: each
// byte that does not belong to a well-formed sequence counts as one U+FFFD.

#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

class LikePattern {
public:
    explicit LikePattern(QStringView pattern);

    bool matches(QStringView value) const;
    bool matches_utf8(std::string_view value) const;

private:
    struct Range {
        char32_t first;
        char32_t last;
    };
    struct Element {
        enum class Kind { Character, AnyCharacter, Digit, List };
        explicit Element(Kind k) : kind(k) {}
        Kind kind;
        char32_t folded = 0;          // Character: the character, case-folded
        std::vector<Range> ranges;    // List: ranges as given, single characters folded
        bool negated = false;         // List: "[!...]"
    };
    // A byte that every match of a plain piece has at a fixed distance from
    // its start: text[start + offset] | fold_bit == value. fold_bit 0x20 lets
    // one compare take both cases of a letter (g/G, and the second bytes of
    // ä/Ä).
    struct Anchor {
        size_t offset;
        unsigned char value;
        unsigned char fold_bit;
    };
    // The elements between two "*" (or the pattern's ends). Each element
    // matches exactly one character, so a piece always matches a fixed
    // number of characters.
    struct Piece {
        std::vector<Element> elements;
        // For a piece of Characters only, one or two anchors on its rarest
        // characters, which find its matches sixteen bytes at a time. Every
        // match is then byte_length bytes long, as long as the text holds
        // none of the `irregular` forms (case forms of another length, like
        // "ſ" for "s"). Other pieces, and texts with such a form, are searched
        // character by character.
        std::vector<Anchor> anchors;
        size_t byte_length = 0;
        std::vector<std::string> irregular;
    };

    static bool element_matches(const Element& element, char32_t c);
    static void prepare_search(Piece& piece);
    // Matches `piece` at byte `pos`; advances `pos` past it on success.
    static bool match_at(const Piece& piece, std::string_view text, size_t& pos);
    // Leftmost match of `piece` at or after `pos`; on success `pos` is
    // set to the byte after the match.
    static bool search(const Piece& piece, std::string_view text, size_t& pos);
    static bool search_by_anchors(const Piece& piece, std::string_view text, size_t& pos);
    static bool search_by_characters(const Piece& piece, std::string_view text, size_t& pos);

    std::vector<Piece> pieces_; // split at "*": one more than there are stars
};

// Whether `value` matches the Access LIKE `pattern` (see LikePattern).
bool like_match(QStringView value, QStringView pattern);
