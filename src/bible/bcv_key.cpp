// SPDX-License-Identifier: GPL-2.0-or-later
#include "bcv_key.h"

#include <tuple>
#include <utility>

namespace {

// Unsigned decimal digits only; at most nine, so the value fits an int.
std::optional<int> read_number(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "c,v" of a range across chapters.
std::optional<std::pair<int, int>> read_chapter_verse(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    const auto chap = read_number(text.left(comma));
    const auto verse = read_number(text.mid(comma + 1));
    if (!chap || !verse)
        return std::nullopt;
    return std::pair{*chap, *verse};
}

} // namespace

std::optional<BcvReference> parse_reference(QStringView text)
{
    const auto parts = text.split(u'_');
    if (parts.size() < 2)
        return std::nullopt;
    const auto book = read_number(parts[0]);
    if (!book)
        return std::nullopt;
    BcvReference ref;
    ref.book = *book;
    if (parts.size() == 2) {
        const auto ends = parts[1].split(u'-');
        if (ends.size() != 2)
            return std::nullopt;
        const auto from = read_chapter_verse(ends[0]);
        const auto to = read_chapter_verse(ends[1]);
        if (!from || !to)
            return std::nullopt;
        std::tie(ref.from_chap, ref.from_verse) = *from;
        std::tie(ref.to_chap, ref.to_verse) = *to;
        return ref;
    }
    if (parts.size() != 3)
        return std::nullopt;
    const auto chap = read_number(parts[1]);
    const auto verses = parts[2].split(u'-');
    if (!chap || verses.size() > 2)
        return std::nullopt;
    const auto from_verse = read_number(verses[0]);
    const auto to_verse = verses.size() == 2 ? read_number(verses[1]) : from_verse;
    if (!from_verse || !to_verse)
        return std::nullopt;
    ref.from_chap = ref.to_chap = *chap;
    ref.from_verse = *from_verse;
    ref.to_verse = *to_verse;
    return ref;
}

std::vector<BcvReference> highlight_references(const QString& key)
{
    std::vector<BcvReference> references;
    for (const QStringView part : QStringView(key).split(u'/')) {
        if (part.isEmpty())
            break;
        if (const auto ref = parse_reference(part))
            references.push_back(*ref);
    }
    return references;
}
