// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The statements of the searches, each with its cap: the number of rows its
// list shows before the notice that more were found.

#include <QString>

struct SearchQuery {
    QString sql;
    int cap = 0;
};

// The first 101 devotionals whose topic meets `thema_condition` or whose text
// meets `text_condition` (conditions from parsesql()), in Bible order; cap 100,
// so that the list shows its notice when more than 100 matched.
SearchQuery book_full_text_query(const QString& thema_condition, const QString& text_condition);

// The first 100 verses that meet `condition` (from parsesql()), in Bible order; cap 100.
SearchQuery bible_full_text_query(const QString& condition);

// The devotionals whose Bible reference contains `reference`, in Bible order; cap 10000.
SearchQuery reference_query(const QString& reference);

// The devotionals of topic `id`, by date; cap 10000.
SearchQuery topic_query(qint64 id);

// The devotionals of author `aid`, by date; cap 10000.
SearchQuery author_query(qint64 aid);
