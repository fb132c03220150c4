// SPDX-License-Identifier: GPL-2.0-or-later
#include "corpus.h"

#include "StdUtil.h"
#include "author_name.h"
#include "database.h"
#include "dates.h"

#include <QHash>

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

} // namespace

Corpus read_corpus(Database& book, Database& bible, const std::atomic<bool>& cancel)
{
    Corpus corpus;
    const QHash<qint64, QString> authors = author_names(book);
    const std::unique_ptr<Recordset> days = book.OpenRecordset(QStringLiteral("QOV"));
    days->setIndex(QStringLiteral("Datum"));
    static const char* const columns[] = {"Thema", "Text", "Frage", "Tipp", "Leitvers"};
    for (; !days->Eof() && !cancel; days->MoveNext()) {
        CorpusDay day{date_of(days->Fields(QStringLiteral("Datum"))), {}};
        if (!day.date.isValid())
            continue;
        for (const char* column : columns)
            day.fields.append(ValueText(field_or_null(*days, QString::fromLatin1(column))));
        const QVariant aid = field_or_null(*days, QStringLiteral("AID"));
        day.fields.append(aid.isValid() ? authors.value(aid.toLongLong()) : QString());
        corpus.days.push_back(std::move(day));
    }

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
