// SPDX-License-Identifier: GPL-2.0-or-later
#include "verse_reference.h"

#include "bible_position.h"

QString bible_reference(const QString& book_name, int chap, int first_verse, int last_verse)
{
    QString reference = book_name + u' ' + QString::number(chap);
    if (first_verse < 1)
        return reference;
    reference += u',' + QString::number(first_verse);
    if (last_verse > first_verse)
        reference += u'-' + QString::number(last_verse);
    return reference;
}

std::optional<int> verse_of_anchor(QStringView name)
{
    if (!name.startsWith(u'v') || name.size() < 2 || !name[1].isDigit())
        return std::nullopt;
    bool ok = false;
    const int verse = name.mid(1).toInt(&ok);
    if (!ok || verse_anchor(verse) != name)
        return std::nullopt;
    return verse;
}

std::optional<VerseSpan> covered_verses(const std::vector<VerseMark>& marks, int start, int end)
{
    std::optional<VerseSpan> span;
    for (const VerseMark& mark : marks) {
        if (mark.position >= end)
            break;
        if (!span || mark.position <= start)
            span = VerseSpan{mark.verse, mark.verse};
        else
            span->last = mark.verse;
    }
    return span;
}

std::vector<VerseMark> verse_marks(const std::vector<std::pair<int, QString>>& anchors)
{
    std::vector<VerseMark> marks;
    for (const auto& [at, name] : anchors)
        if (const std::optional<int> number = verse_of_anchor(name))
            marks.push_back({at, *number});
    return marks;
}
