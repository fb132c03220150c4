// SPDX-License-Identifier: GPL-2.0-or-later
#include "query_parsing.h"

namespace {

// Compared by character code: accented letters other than these umlauts
// separate words, and no quote character ever reaches the condition.
bool is_word_char(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')
        || u == u'ä' || u == u'Ä' || u == u'ö' || u == u'Ö' || u == u'ü' || u == u'Ü' || u == u'ß';
}

// Letter by letter, so "ß" stays one character and the word can still be
// found again, case-insensitively, in the texts it came from.
QString upper_case(const QString& word)
{
    QString upper = word;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

} // namespace

SearchCondition parsesql(const QString& field, const QString& q)
{
    QString condition;
    QString suchworte;
    QString word;
    const auto end_word = [&] {
        if (word.isEmpty())
            return;
        condition += u'(' + field + QStringLiteral(" like '*") + word + QStringLiteral("*') AND");
        suchworte += upper_case(word) + u';';
        word.clear();
    };
    for (const QChar c : q) {
        if (is_word_char(c))
            word += c;
        else
            end_word();
    }
    end_word();
    condition.chop(4);
    return {condition, suchworte};
}
