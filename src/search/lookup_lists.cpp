// SPDX-License-Identifier: GPL-2.0-or-later
#include "lookup_lists.h"

#include "StdUtil.h"
#include "author_name.h"
#include "database.h"

#include <limits>
#include <memory>
#include <optional>

namespace {

// Opens `sql` with an exact row count, as the tables are sized by it.
std::unique_ptr<Recordset> open_counted(Database& db, const QString& sql, qint64& count)
{
    std::unique_ptr<Recordset> rs = db.OpenRecordset(sql);
    if (!rs->Eof()) {
        rs->MoveLast();
        rs->MoveFirst();
    }
    count = rs->RecordCount();
    return rs;
}

// The row id of a table of rows 0..last, or nullopt with the reason in `problem`.
std::optional<size_t> table_row(const QVariant& id, qint64 last, QString& problem)
{
    if (IsNull(id)) {
        problem = QStringLiteral("no id (Null)");
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong row = id.toLongLong(&ok);
    if (!ok) {
        problem = QStringLiteral("the id \"%1\" is not a whole number").arg(ValueText(id));
        return std::nullopt;
    }
    if (row < 0 || row > last) {
        problem = QStringLiteral("the id %1 lies outside 0..%2").arg(row).arg(last);
        return std::nullopt;
    }
    return static_cast<size_t>(row);
}

void read_bereiche(Database& db, LookupLists& lists)
{
    qint64 n = 0;
    const std::unique_ptr<Recordset> rs =
        open_counted(db, QStringLiteral(" select * from [Bereiche] order by Bezeichnung"), n);
    if (n == 0)
        lists.problems << QStringLiteral("Bereiche: the table has no rows");
    lists.bereiche.assign(static_cast<size_t>(n + 1), BereichRow{});
    int position = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        const QVariant name = rs->Fields(QStringLiteral("bezeichnung"));
        const QVariant id = rs->Fields(QStringLiteral("id"));
        QString problem;
        const std::optional<size_t> row = table_row(id, n, problem);
        if (!row) {
            lists.problems << QStringLiteral("Bereiche: \"%1\" skipped: %2").arg(ValueText(name), problem);
            continue;
        }
        BereichRow& entry = lists.bereiche[*row];
        if (entry.position != 0) {
            lists.problems << QStringLiteral("Bereiche: \"%1\" replaces \"%2\" under the id %3")
                                  .arg(ValueText(name), ValueText(entry.name))
                                  .arg(*row);
        }
        lists.inpbereich.push_back({ValueText(name), id});
        entry = {name, rs->Fields(QStringLiteral("bild")), ++position};
    }
    rs->Close();
}

void read_buecher(Database& db, LookupLists& lists)
{
    qint64 m = 0;
    const std::unique_ptr<Recordset> rs =
        open_counted(db, QStringLiteral(" select * from [Bibel] order by Lfdnr"), m);
    if (m == 0)
        lists.problems << QStringLiteral("Bibel: the table has no rows");
    lists.buecher.assign(static_cast<size_t>(m + 1), BuchRow{});
    for (; !rs->Eof(); rs->MoveNext()) {
        const QVariant buch = rs->Fields(QStringLiteral("buch"));
        const QVariant lfdnr = rs->Fields(QStringLiteral("lfdnr"));
        QString problem;
        const std::optional<size_t> row = table_row(lfdnr, m, problem);
        if (!row) {
            lists.problems << QStringLiteral("Bibel: \"%1\" skipped: %2").arg(ValueText(buch), problem);
            continue;
        }
        BuchRow& entry = lists.buecher[*row];
        if (entry.lfdnr.isValid()) {
            lists.problems << QStringLiteral("Bibel: \"%1\" replaces \"%2\" under the number %3")
                                  .arg(ValueText(buch), ValueText(entry.buch))
                                  .arg(*row);
        }
        lists.inpbibel.push_back({ValueText(buch), lfdnr});
        lists.books.push_back({ValueText(buch), lfdnr});
        entry = {buch, rs->Fields(QStringLiteral("maxkapitel")), lfdnr};
    }
    rs->Close();
}

void read_autoren(Database& db, LookupLists& lists)
{
    const std::unique_ptr<Recordset> rs =
        db.OpenRecordset(QStringLiteral("select * from [VW1AutorenAktiv] order by Nachname, Vorname"));
    for (; !rs->Eof(); rs->MoveNext()) {
        const QString name = author_display_name(rs->Fields(QStringLiteral("Vorname")),
                                                 rs->Fields(QStringLiteral("Nachname")));
        const QVariant aid = rs->Fields(QStringLiteral("aid"));
        bool ok = false;
        const qlonglong id = aid.toLongLong(&ok);
        const bool fits = id >= std::numeric_limits<qint32>::min() && id <= std::numeric_limits<qint32>::max();
        if (IsNull(aid) || !ok || !fits) {
            lists.problems << QStringLiteral("VW1AutorenAktiv: \"%1\" skipped: the author id \"%2\" is no 32-bit whole number")
                                  .arg(name, ValueText(aid));
            continue;
        }
        lists.inpautor.push_back({name, static_cast<int>(id)});
    }
    rs->Close();
}

} // namespace

LookupLists setcombo(Database& db)
{
    LookupLists lists;
    read_bereiche(db, lists);
    read_buecher(db, lists);
    read_autoren(db, lists);
    return lists;
}
