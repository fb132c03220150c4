// SPDX-License-Identifier: GPL-2.0-or-later
#include "source_passage.h"

#include "verse_reference.h"

#include <algorithm>
#include <utility>

namespace {

QString reference_label(const Buecher& buecher, const BcvReference& ref)
{
    const BuchRow* row = find_buch(buecher, ref.book);
    const QString name = row ? row->buch.toString() : QString::number(ref.book);
    return ref.from_chap == ref.to_chap ? bible_reference(name, ref.from_chap, ref.from_verse, ref.to_verse)
                                        : QStringLiteral("%1 %2,%3-%4,%5").arg(name).arg(ref.from_chap)
                                              .arg(ref.from_verse).arg(ref.to_chap).arg(ref.to_verse);
}

} // namespace

QString passage_tip(const Buecher& buecher, const QString& key, const QString& suffix,
                    const std::function<std::vector<PassageVerse>(const BcvReference&)>& verses_of)
{
    constexpr qsizetype shown = 5;
    QStringList labels;
    QStringList lines;
    bool more = false;
    for (const BcvReference& ref : highlight_references(key)) {
        labels.append(reference_label(buecher, ref));
        // Verse 0 at the end takes in the whole chapter.
        const int to_verse = ref.to_verse == 0 ? 0xFFFF : ref.to_verse;
        for (const PassageVerse& verse : more ? std::vector<PassageVerse>() : verses_of(ref)) {
            const std::pair at{verse.chap, verse.verse};
            if (at < std::pair{ref.from_chap, ref.from_verse} || at > std::pair{ref.to_chap, to_verse})
                continue;
            if (lines.size() == shown) {
                more = true;
                break;
            }
            lines.append(QStringLiteral("%1 %2").arg(verse.verse).arg(verse.text));
        }
    }
    if (lines.isEmpty())
        return {};
    if (more)
        lines.append(QStringLiteral("…"));
    return labels.join(QStringLiteral("; ")) + suffix + u'\n' + lines.join(u'\n');
}

QString source_passage(BibleSource& source, const Buecher& buecher, const QString& key)
{
    return passage_tip(buecher, key, QStringLiteral(" (") + source.short_name() + u')', [&](const BcvReference& ref) {
        std::vector<PassageVerse> verses;
        const int last_chap = std::min(ref.to_chap, source.chapter_count(ref.book));
        for (int chap = ref.from_chap; chap <= last_chap; ++chap)
            for (SourceVerse& verse : source.chapter(ref.book, chap))
                verses.push_back({chap, verse.number, std::move(verse.text)});
        return verses;
    });
}
