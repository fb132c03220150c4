// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A Bible text the reader can show: the book's own Bible table or a SWORD
// module, both read in the reader's numbering. Books are numbered 1 to 66 as
// the book's Bible table numbers them; chapters and verses are those of that
// table (the frame, bible_frame.h), whatever numbering a module follows.

#include <QString>

#include <stdexcept>
#include <vector>

// A verse of a chapter, numbered in the frame.
struct SourceVerse {
    int number = 0;
    QString text;     // plain text; for the book's Bible the stored text
    QString heading;  // the module's heading before the verse, or empty

    bool operator==(const SourceVerse&) const = default;
};

// A module that fails while it is read; the message is German and meant for
// the user.
class BibleModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading moves the source's cursor or key, so a source belongs to one
// thread. A failure is a DatabaseError (the book's Bible) or a
// BibleModuleError (a module).
class BibleSource {
public:
    virtual ~BibleSource() = default;

    // The name chosen by: "Buch" for the book's Bible, the module's name.
    virtual QString name() const = 0;
    // The name a column heading and a copied verse show: "KJV".
    virtual QString short_name() const = 0;
    virtual QString description() const = 0;
    // The language code of the text: "de", "en".
    virtual QString language() const = 0;

    // Whether the source holds any verse of book `book`.
    virtual bool has_book(int book) = 0;
    // The frame's chapter count of a book the source holds, else 0.
    virtual int chapter_count(int book) = 0;
    // The verses of chapter `chap` that the source holds, in verse order; a
    // verse it lacks is left out.
    virtual std::vector<SourceVerse> chapter(int book, int chap) = 0;
    // The text of one verse, empty when the source lacks it.
    virtual QString verse_text(int book, int chap, int verse) = 0;
};
