// SPDX-License-Identifier: GPL-2.0-or-later
#include "source_passage.h"

#include "bcv_key.h"
#include "verse_reference.h"

#include <algorithm>
#include <utility>

QString source_passage(BibleSource& source, const Buecher& buecher, const QString& key)
{
    constexpr qsizetype shown = 5;
    QStringList labels;
    QStringList lines;
    bool more = false;
    for (const BcvReference& ref : highlight_references(key)) {
        const BuchRow* row = find_buch(buecher, ref.book);
        const QString name = row ? row->buch.toString() : QString::number(ref.book);
        labels.append(ref.from_chap == ref.to_chap
                          ? bible_reference(name, ref.from_chap, ref.from_verse, ref.to_verse)
                          : QStringLiteral("%1 %2,%3-%4,%5").arg(name).arg(ref.from_chap).arg(ref.from_verse)
                                .arg(ref.to_chap).arg(ref.to_verse));
        // Verse 0 at the end takes in the whole chapter.
        const int to_verse = ref.to_verse == 0 ? 0xFFFF : ref.to_verse;
        const int last_chap = std::min(ref.to_chap, source.chapter_count(ref.book));
        for (int chap = ref.from_chap; chap <= last_chap && !more; ++chap)
            for (const SourceVerse& verse : source.chapter(ref.book, chap)) {
                const std::pair at{chap, verse.number};
                if (at < std::pair{ref.from_chap, ref.from_verse} || at > std::pair{ref.to_chap, to_verse})
                    continue;
                if (lines.size() == shown) {
                    more = true;
                    break;
                }
                lines.append(QStringLiteral("%1 %2").arg(verse.number).arg(verse.text));
            }
    }
    if (lines.isEmpty())
        return {};
    if (more)
        lines.append(QStringLiteral("…"));
    return labels.join(QStringLiteral("; ")) + QStringLiteral(" (") + source.short_name() + QStringLiteral(")\n")
           + lines.join(u'\n');
}
