// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A page as a listener and a screen reader take it in: the document's text
// without its layout marks, references said the way a German reader says
// them, and the page cut into the pieces read aloud one after the other.

#include "buecher.h"
#include "verse_reference.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The text of a document (its raw text, as QTextDocument::toRawText gives
// it) without pictures' replacement marks; line, paragraph, frame and table
// cell boundaries become one "\n", runs of blanks one space, and no line
// begins or ends with a blank. positions[i] is where text[i] came from.
struct ReadingText {
    QString text;
    std::vector<int> positions;
};
ReadingText reading_text(QStringView raw);

// A place in a book as it is said: "29,7" gives "Kapitel 29, Vers 7",
// "1,41-80" "Kapitel 1, Verse 41 bis 80", "19,2.5.8" "Kapitel 19, Verse 2, 5
// und 8", "5,3-6,4" "Kapitel 5, Vers 3 bis Kapitel 6, Vers 4". Empty when
// `place` is not of these forms.
QString spoken_place(QStringView place);

// A book's name as it is said: "1. Mose" gives "Erstes Buch Mose",
// "2. Könige" "Zweites Buch der Könige", "1. Korinther" "Erster Korinther".
QString spoken_book(QStringView book);

// `text` ready for a speech engine: every reference to one of `books`
// ("Jeremia 29,7") said in words ("Jeremia, Kapitel 29, Vers 7"), words
// written in capitals ("FRAGE") as ordinary words, blanks simplified.
QString speakable(QStringView text, const QStringList& books);

// The names of the books of `buecher`, for speakable().
QStringList book_names(const Buecher& buecher);

// One piece read aloud: its text for the engine, the part of the document it
// comes from, and the verse it is (0 for any other piece).
struct Utterance {
    QString text;
    int start = 0;
    int end = 0;
    int verse = 0;
    QString language = {};  // the language code of the text; empty for the page's German

    bool operator==(const Utterance&) const = default;
};

// The page of raw text `raw` in the order it is read: every line one piece,
// a chapter's verses (the marks of its verse anchors, in page order) one
// piece each, beginning "Vers N: ". Lines without words are left out.
std::vector<Utterance> page_utterances(QStringView raw, const std::vector<VerseMark>& verses,
                                       const QStringList& books);

// A translation side by side as it is announced and read: its name in
// words and the language code of its text.
struct SpokenColumn {
    QString name;
    QString language;
};

// The pieces of a page of translations side by side, read one translation
// after the other: `column_of[i]` is the column of `pieces[i]` (-1 outside
// the table, -2 in its row of column headings, which is left out). The
// pieces before the table come first, then each column's name and its
// pieces in page order, in its language, then the pieces after the table.
std::vector<Utterance> pieces_by_column(const std::vector<Utterance>& pieces, const std::vector<int>& column_of,
                                        const std::vector<SpokenColumn>& columns);
