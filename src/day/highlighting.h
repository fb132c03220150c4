// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Marking search words in page texts. Words are found anywhere (inside longer
// words too), without regard to case (umlauts included); each occurrence keeps
// its own case and is wrapped in the tag and its closing tag ("<b>" and
// "</b>"). Marking never looks inside tags it inserted itself: positions
// refer to the unmarked text, so a later word (say "B" with the tag "<b>")
// never matches the tags inserted for an earlier word, while every occurrence
// in the text itself is still marked.

#include <QString>

#include <vector>

// A text with the marks made so far. `tag` is an opening tag of one letter;
// the closing tag inserts "/" after its first character.
class MarkedText {
public:
    MarkedText(QString text, QString tag);

    // Marks every occurrence of `was`, left to right and not overlapping each
    // other. An empty `was` marks nothing.
    void setbold(const QString& was);

    // The text with all marks inserted.
    QString html() const;

private:
    struct Mark {
        qsizetype position;  // in the unmarked text
        bool closing;
    };
    QString text_;
    QString open_tag_;
    QString close_tag_;
    std::vector<Mark> marks_;
};

// Marks every occurrence of the one word `was` in `src`, which is changed in
// place. An empty `was` leaves `src` unchanged.
void setbold(QString& src, const QString& was, const QString& tag);

// A copy of `src` with every word of `wordlist` marked. The list holds words
// each followed by ";" ("GOTT;LIEBE;"); the text after the last ";" is not a
// word, so a list without ";" marks nothing. Empty words are skipped.
QString setwordsbold(const QString& src, const QString& wordlist, const QString& tag);
