// SPDX-License-Identifier: GPL-2.0-or-later
#include "saved_queries.h"

namespace {

QString create_view(bool temporary, const QString& name)
{
    return QStringLiteral("CREATE %1VIEW %2 AS ")
        .arg(temporary ? QStringLiteral("TEMP ") : QString(), name);
}

// The numbers of the first reference of a bcv key list (keys joined by ";",
// references by "/"): "43_3_16-18" and "1_2,4-3,7" read as book, chapter and
// first verse (16 and 4). SQLite's CAST reads the leading whole number of a
// text, so each number is the CAST of the text that begins with it: the book
// begins the list, the chapter follows the first "_", and the verse follows
// the first "_" or "," after the chapter, which in a well-formed key comes
// before any ";" or "/".
struct FirstReference {
    QString book;
    QString chapter;
    QString verse;
};

FirstReference first_reference(const QString& keys)
{
    const QString after_book = QStringLiteral("substr(%1, instr(%1, '_') + 1)").arg(keys);
    const QString verse_offset =
        QStringLiteral("min(instr(%1 || '_', '_'), instr(%1 || ',', ','))").arg(after_book);
    return {
        QStringLiteral("CAST(%1 AS INTEGER)").arg(keys),
        QStringLiteral("CAST(%1 AS INTEGER)").arg(after_book),
        QStringLiteral("CAST(substr(%1, %2 + 1) AS INTEGER)").arg(after_book, verse_offset),
    };
}

} // namespace

QString vw1qov_view_sql(bool temporary)
{
    const FirstReference first = first_reference(QStringLiteral("QOV.bcv1"));
    return create_view(temporary, QStringLiteral("vw1qov"))
        + QStringLiteral("SELECT QOV.*, AutorenNeu.Vorname AS Vorname, AutorenNeu.Nachname AS Nachname, "
                         "%1 AS book1, %2 AS chapter1, %3 AS verse1 "
                         "FROM QOV LEFT JOIN AutorenNeu ON AutorenNeu.AID = QOV.AID")
              .arg(first.book, first.chapter, first.verse);
}

QString vw1autorenaktiv_view_sql(bool temporary)
{
    return create_view(temporary, QStringLiteral("VW1AutorenAktiv"))
        + QStringLiteral("SELECT AutorenNeu.AID AS aid, AutorenNeu.Vorname AS Vorname, "
                         "AutorenNeu.Nachname AS Nachname FROM AutorenNeu "
                         "WHERE EXISTS (SELECT 1 FROM QOV WHERE QOV.AID = AutorenNeu.AID)");
}
