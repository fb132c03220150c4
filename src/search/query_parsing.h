#pragma once

#include <QString>

// The search condition for the words of `q` on the field `field`: each word
// (a run of A-Z, a-z, 0-9, ä, Ä, ö, Ö, ü, Ü, ß; every other character
// separates) gives the term "(" + field + " like '*" + word + "*')", joined
// by " AND" without a blank before the next "(". No word gives empty text.
// `suchworte` is replaced by the words in upper case, each followed by ";"
// ("GOTT;LIEBE;"), for highlighting.
QString parsesql(const QString& field, const QString& q, QString& suchworte);
