// SPDX-License-Identifier: GPL-2.0-or-later
#include "references.h"

#include "bible_books.h"

Passage single_verse(int book, int chapter, int verse)
{
    return {book, chapter, verse, chapter, verse};
}

Passage verse_range(int book, int chapter, int verse, int end_verse)
{
    return {book, chapter, verse, chapter, end_verse};
}

Passage chapter_span(int book, int chapter, int verse, int end_chapter, int end_verse)
{
    return {book, chapter, verse, end_chapter, end_verse};
}

Passage whole_chapter(int book, int chapter)
{
    return {book, chapter, 0, chapter, 0};
}

namespace {

QString passage_key(const Passage& p)
{
    const QString head = QString::number(p.book) + "_";
    if (p.end_chapter != p.chapter)
        return head + QString("%1,%2-%3,%4").arg(p.chapter).arg(p.verse).arg(p.end_chapter).arg(p.end_verse);
    QString key = head + QString("%1_%2").arg(p.chapter).arg(p.verse);
    if (p.end_verse != p.verse)
        key += "-" + QString::number(p.end_verse);
    return key;
}

// The verses of a passage inside its chapter: "16", "16-17".
QString verse_part(const Passage& p)
{
    QString part = QString::number(p.verse);
    if (p.end_verse != p.verse)
        part += "-" + QString::number(p.end_verse);
    return part;
}

} // namespace

QString bcv_key(const Reference& reference)
{
    QStringList keys;
    for (const Passage& p : reference.passages)
        keys << passage_key(p);
    return keys.join("/");
}

QString reference_text(const Reference& reference)
{
    const Passage& first = reference.passages.front();
    QString text = german_book_name(first.book) + " " + QString::number(first.chapter);
    if (first.end_chapter != first.chapter)
        return text + QString(",%1-%2,%3").arg(first.verse).arg(first.end_chapter).arg(first.end_verse);
    if (first.verse == 0)
        return text;
    text += "," + verse_part(first);
    for (std::size_t i = 1; i < reference.passages.size(); ++i)
        text += "." + verse_part(reference.passages[i]);
    return text;
}

std::vector<VersePosition> reference_verses(const Reference& reference, const BibleText& bible)
{
    std::vector<VersePosition> verses;
    for (const Passage& p : reference.passages) {
        const int first = p.verse == 0 ? 1 : p.verse;
        const int last = p.verse == 0 ? bible.verse_count(p.book, p.chapter) : p.end_verse;
        for (int c = p.chapter; c <= p.end_chapter; ++c) {
            const int from = c == p.chapter ? first : 1;
            const int to = c == p.end_chapter ? last : bible.verse_count(p.book, c);
            for (int v = from; v <= to; ++v)
                verses.push_back({p.book, c, v});
        }
    }
    return verses;
}

QStringList reference_verse_texts(const Reference& reference, const BibleText& bible)
{
    QStringList texts;
    for (const VersePosition& position : reference_verses(reference, bible)) {
        const Verse* found = bible.find(position.book, position.chapter, position.verse);
        if (found && found->text)
            texts << *found->text;
    }
    return texts;
}

bool reference_exists(const Reference& reference, const BibleText& bible)
{
    if (reference.passages.empty())
        return false;
    for (const Passage& p : reference.passages) {
        if (p.verse == 0) {
            if (bible.verse_count(p.book, p.chapter) == 0 || p.end_verse != 0
                || p.end_chapter != p.chapter)
                return false;
            continue;
        }
        const bool forward = p.end_chapter > p.chapter
                             || (p.end_chapter == p.chapter && p.end_verse >= p.verse);
        if (!forward || !bible.find(p.book, p.chapter, p.verse)
            || !bible.find(p.book, p.end_chapter, p.end_verse))
            return false;
    }
    return true;
}

QString references_text(const std::vector<Reference>& references)
{
    QStringList texts;
    for (const Reference& r : references)
        texts << reference_text(r);
    return texts.join("; ");
}

QString references_key(const std::vector<Reference>& references)
{
    QStringList keys;
    for (const Reference& r : references)
        keys << bcv_key(r);
    return keys.join(";");
}
