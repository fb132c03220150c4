// SPDX-License-Identifier: GPL-2.0-or-later
#include "list_page.h"

#include "StdUtil.h"
#include "database.h"

#include <memory>

ListTemplate cut_list_template(const QString& text)
{
    const QString marker = QStringLiteral("<!--X-->");
    return {GetToken(text, marker, 1), GetToken(text, marker, 2), GetToken(text, marker, 3)};
}

std::vector<QString> listed_rows(Database& db, const QString& sql, int cap,
                                 const std::function<QString(const Recordset&)>& fill)
{
    const std::unique_ptr<Recordset> rs = db.OpenRecordset(sql);
    std::vector<QString> rows;
    for (; !rs->Eof() && static_cast<qsizetype>(rows.size()) <= cap; rs->MoveNext())
        rows.push_back(fill(*rs));
    rs->Close();
    return rows;
}

QString cap_notice(int cap)
{
    return QStringLiteral("<br><font color=\"red\">Es wurden mehr als ") + QString::number(cap)
         + QStringLiteral(" Einträge gefunden.<br>Bitte präzisieren Sie die Suche.</font>");
}

QString result_title(const ListedPage& list, int cap)
{
    const QString count = list.cut ? QStringLiteral("mehr als %1").arg(cap) : QString::number(list.hits);
    return QStringLiteral("Suchergebnis (%1 Treffer)").arg(count);
}

QString joined_page(const ListTemplate& parts, const std::vector<QString>& rows)
{
    qsizetype size = parts.head.size() + parts.tail.size();
    for (const QString& row : rows)
        size += row.size();
    QString page;
    page.reserve(size);
    page += parts.head;
    for (const QString& row : rows)
        page += row;
    page += parts.tail;
    return page;
}
