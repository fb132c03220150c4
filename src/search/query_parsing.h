// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct SearchCondition {
    QString condition;  // the terms joined by " AND"; empty when `q` holds no word
    QString suchworte;  // the words in upper case, each followed by ";" ("GOTT;LIEBE;")
};

// The search condition for the words of `q` on the field `field`: each word
// (a run of A-Z, a-z, 0-9, ä, Ä, ö, Ö, ü, Ü, ß; every other character
// separates) gives the term "(" + field + " like '*" + word + "*')", joined
// by " AND" without a blank before the next "(", and the words to highlight.
SearchCondition parsesql(const QString& field, const QString& q);
