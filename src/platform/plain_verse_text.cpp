// SPDX-License-Identifier: GPL-2.0-or-later
#include "plain_verse_text.h"

#include <QRegularExpression>

namespace {

// Characters that may begin the word after a cut element; an element before
// them sat between two words.
bool begins_word(QChar c)
{
    return c.isLetterOrNumber() || c == QChar(0x201C) || c == QChar(0x2018);
}

} // namespace

std::optional<QString> finish_verse_text(const QString& plain)
{
    QString joined;
    joined.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (c != cut_marker) {
            joined += c;
            continue;
        }
        const bool after_word = !joined.isEmpty() && !joined.back().isSpace();
        const bool before_word = i + 1 < plain.size() && begins_word(plain[i + 1]);
        if (after_word && before_word)
            joined += u' ';
    }
    static const QRegularExpression other_numbering("\\([HG]\\d+:\\d+\\)");
    QString text = joined.remove(other_numbering).simplified();
    if (text.isEmpty())
        return std::nullopt;
    return text;
}
