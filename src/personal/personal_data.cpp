// SPDX-License-Identifier: GPL-2.0-or-later
#include "personal_data.h"

#include <QStringList>

#include <array>
#include <optional>

namespace {

// Book, chapter and verse of a verse key; nullopt for another text.
std::optional<std::array<int, 3>> verse_parts(const QString& key)
{
    const QStringList parts = key.split(u'_');
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok || numbers[i] < 1 || parts[i].front() == u'+')
            return std::nullopt;
    }
    return numbers;
}

} // namespace

Target Target::verse(int book, int chap, int verse)
{
    return {Kind::verse, QStringLiteral("%1_%2_%3").arg(book).arg(chap).arg(verse)};
}

QDate Target::date() const
{
    return kind == Kind::day ? QDate::fromString(key, Qt::ISODate) : QDate();
}

bool Target::valid() const
{
    return kind == Kind::day ? date().isValid() && key.size() == 10 : verse_parts(key).has_value();
}

std::strong_ordering Target::operator<=>(const Target& other) const
{
    if (kind != other.kind)
        return kind <=> other.kind;
    if (kind == Kind::verse) {
        const auto mine = verse_parts(key);
        const auto theirs = verse_parts(other.key);
        if (mine && theirs && *mine != *theirs)
            return *mine <=> *theirs;
    }
    return key.compare(other.key) <=> 0;
}

QString first_line(const QString& text)
{
    return text.section(u'\n', 0, 0).trimmed();
}
