// SPDX-License-Identifier: GPL-2.0-or-later
#include "highlighting.h"

#include <QStringList>

#include <algorithm>

MarkedText::MarkedText(QString text, QString tag)
    : text_(std::move(text))
    , open_tag_(tag)
    , close_tag_(tag.isEmpty() ? QString() : tag.left(1) + u'/' + tag.mid(1))
{
}

void MarkedText::setbold(const QString& was)
{
    if (was.isEmpty())
        return;
    // Case-insensitive search compares character by character, so a match is
    // exactly as long as `was` and positions stay those of the text.
    qsizetype from = 0;
    for (;;) {
        const qsizetype p = text_.indexOf(was, from, Qt::CaseInsensitive);
        if (p < 0)
            return;
        marks_.push_back({p, false});
        marks_.push_back({p + was.size(), true});
        from = p + was.size();
    }
}

QString MarkedText::html() const
{
    if (marks_.empty())
        return text_;
    std::vector<Mark> ordered = marks_;
    // Closing tags before opening tags at the same position: a word ending
    // where another begins gives two neighbouring pairs, not nested ones. As
    // every mark has the same tag, the result is always balanced.
    std::stable_sort(ordered.begin(), ordered.end(), [](const Mark& a, const Mark& b) {
        if (a.position != b.position)
            return a.position < b.position;
        return a.closing && !b.closing;
    });
    QString out;
    out.reserve(text_.size() + static_cast<qsizetype>(ordered.size()) * close_tag_.size());
    qsizetype from = 0;
    for (const Mark& mark : ordered) {
        out.append(QStringView(text_).mid(from, mark.position - from));
        out.append(mark.closing ? close_tag_ : open_tag_);
        from = mark.position;
    }
    out.append(QStringView(text_).mid(from));
    return out;
}

void setbold(QString& src, const QString& was, const QString& tag)
{
    MarkedText marked(src, tag);
    marked.setbold(was);
    src = marked.html();
}

QString setwordsbold(const QString& src, const QString& wordlist, const QString& tag)
{
    if (wordlist.isEmpty())
        return src;
    const QStringList pieces = wordlist.split(u';');
    MarkedText marked(src, tag);
    // The last piece is what follows the final ";": not a word.
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        marked.setbold(pieces[i]);
    return marked.html();
}
