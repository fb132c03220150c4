// SPDX-License-Identifier: GPL-2.0-or-later
#include "corpus.h"

#include "StdUtil.h"
#include "bible_source.h"
#include "author_name.h"
#include "database.h"
#include "dates.h"

#include <QHash>

#include <algorithm>

namespace {

QVariant field_or_null(const Recordset& rs, const QString& name)
{
    return rs.HasField(name) ? rs.Fields(name) : QVariant();
}

QHash<qint64, QString> author_names(Database& book)
{
    QHash<qint64, QString> names;
    const std::unique_ptr<Recordset> rs = book.OpenRecordset(QStringLiteral("AutorenNeu"));
    for (; !rs->Eof(); rs->MoveNext()) {
        const QVariant aid = rs->Fields(QStringLiteral("AID"));
        if (aid.isValid())
            names.insert(aid.toLongLong(), author_display_name(rs->Fields(QStringLiteral("Vorname")),
                                                               rs->Fields(QStringLiteral("Nachname"))));
    }
    return names;
}

void read_days(Database& book, int edition, std::vector<CorpusDay>& out, const std::atomic<bool>& cancel)
{
    const QHash<qint64, QString> authors = author_names(book);
    const std::unique_ptr<Recordset> days = book.OpenRecordset(QStringLiteral("QOV"));
    days->setIndex(QStringLiteral("Datum"));
    static const char* const columns[] = {"Thema", "Text", "Frage", "Tipp", "Leitvers"};
    for (; !days->Eof() && !cancel; days->MoveNext()) {
        CorpusDay day{date_of(days->Fields(QStringLiteral("Datum"))), {}, edition};
        if (!day.date.isValid())
            continue;
        for (const char* column : columns)
            day.fields.append(ValueText(field_or_null(*days, QString::fromLatin1(column))));
        const QVariant aid = field_or_null(*days, QStringLiteral("AID"));
        day.fields.append(aid.isValid() ? authors.value(aid.toLongLong()) : QString());
        out.push_back(std::move(day));
    }
}

} // namespace

Corpus read_corpus(std::span<Database* const> books, Database& bible, const std::atomic<bool>& cancel)
{
    Corpus corpus;
    for (std::size_t edition = 0; edition < books.size(); ++edition) {
        if (!books[edition])
            continue;
        // One edition's damage costs its own days only.
        std::vector<CorpusDay> days;
        try {
            read_days(*books[edition], static_cast<int>(edition), days, cancel);
        } catch (const DatabaseError& e) {
            corpus.unread_books.push_back({edition, e.failure()});
            continue;
        }
        corpus.days.insert(corpus.days.end(), std::make_move_iterator(days.begin()), std::make_move_iterator(days.end()));
    }
    // Editions of the same year keep the order they were given in.
    std::stable_sort(corpus.days.begin(), corpus.days.end(),
                     [](const CorpusDay& a, const CorpusDay& b) { return a.date < b.date; });

    const std::unique_ptr<Recordset> verses = bible.OpenRecordset(QStringLiteral("texte"));
    verses->setIndex(QStringLiteral("book"));
    const bool has_text = verses->HasField(QStringLiteral("Bible_Text"));
    for (; !verses->Eof() && !cancel; verses->MoveNext()) {
        corpus.verses.push_back({verses->Fields(QStringLiteral("book")).toInt(),
                                 verses->Fields(QStringLiteral("chapter")).toInt(),
                                 verses->Fields(QStringLiteral("verse")).toInt(),
                                 has_text ? ValueText(verses->Fields(QStringLiteral("Bible_Text"))) : QString()});
    }
    return corpus;
}

std::vector<std::vector<int>> book_verse_counts(const Corpus& corpus)
{
    std::vector<std::vector<int>> counts(66);
    for (const CorpusVerse& verse : corpus.verses) {
        if (verse.translation != 0 || verse.book < 1 || verse.book > 66 || verse.chapter < 1 || verse.chapter > 200)
            continue;
        std::vector<int>& book = counts[static_cast<std::size_t>(verse.book - 1)];
        if (book.size() < static_cast<std::size_t>(verse.chapter))
            book.resize(static_cast<std::size_t>(verse.chapter), 0);
        int& last = book[static_cast<std::size_t>(verse.chapter - 1)];
        last = std::max(last, verse.verse);
    }
    return counts;
}

void add_translation(Corpus& corpus, BibleSource& source, const std::atomic<bool>& cancel)
{
    std::vector<CorpusVerse> verses;
    const int translation = static_cast<int>(std::max<qsizetype>(corpus.translations.size(), 1));
    for (int book = 1; book <= 66 && !cancel; ++book)
        for (int chap = 1; chap <= source.chapter_count(book) && !cancel; ++chap)
            for (SourceVerse& verse : source.chapter(book, chap))
                verses.push_back({book, chap, verse.number, std::move(verse.text), translation});
    if (corpus.translations.isEmpty())
        corpus.translations.append(QStringLiteral("Elberfelder"));
    corpus.translations.append(source.short_name());
    corpus.verses.insert(corpus.verses.end(), std::make_move_iterator(verses.begin()),
                         std::make_move_iterator(verses.end()));
}
