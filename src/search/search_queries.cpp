// SPDX-License-Identifier: GPL-2.0-or-later
#include "search_queries.h"

namespace {
constexpr int full_text_cap = 100;
constexpr int list_cap = 10000;

QString top_rows(int rows)
{
    return QStringLiteral("select top ") + QString::number(rows);
}
} // namespace

SearchQuery book_full_text_query(const QString& thema_condition, const QString& text_condition)
{
    // One row more than the list shows, so that the list can tell that more
    // devotionals matched.
    return {top_rows(full_text_cap + 1) + QStringLiteral(" * from vw1qov where ") + thema_condition + QStringLiteral(" or ")
                + text_condition + QStringLiteral(" order by book1,chapter1,verse1"),
            full_text_cap};
}

SearchQuery bible_full_text_query(const QString& condition)
{
    return {top_rows(full_text_cap) + QStringLiteral(" * from texte where ") + condition + QStringLiteral(" order by book,chapter,verse"),
            full_text_cap};
}

SearchQuery reference_query(const QString& reference)
{
    return {QStringLiteral("select * from vw1qov where bibelstelle like '*") + reference
                + QStringLiteral("*' order by book1,chapter1,verse1"),
            list_cap};
}

SearchQuery topic_query(qint64 id)
{
    return {QStringLiteral("select * from vw1qov where bereich=") + QString::number(id) + QStringLiteral(" order by datum"),
            list_cap};
}

SearchQuery author_query(qint64 aid)
{
    return {QStringLiteral("select * from vw1qov where aid=") + QString::number(aid) + QStringLiteral(" order by datum"),
            list_cap};
}
