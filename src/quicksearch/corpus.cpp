// SPDX-License-Identifier: GPL-2.0-or-later
#include "corpus.h"

#include "StdUtil.h"
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
    for (std::size_t edition = 0; edition < books.size(); ++edition)
        read_days(*books[edition], static_cast<int>(edition), corpus.days, cancel);
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
