// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads a Bible from a SWORD module into plain verse texts: no markup,
// footnotes, titles and speaker labels removed without gluing the words around
// them together, poetry lines joined into one line.

#include "bible_text.h"

#include <QString>

#include <stdexcept>
#include <string>

// Why a module cannot serve as the Bible; the message is for the user (German).
class BibleSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The verses of the 66 books of the Bible module `module_name` (books found by
// their OSIS names, the module's other books skipped), looked up in the SWORD
// folder `sword_path` alone, or where SWORD looks by default when it is empty.
// Throws BibleSourceError when the module is not there, is not a Bible or
// holds no verse text.
BibleText read_sword_bible(const QString& module_name, const QString& sword_path);

// Stands where an element was cut out of a raw OSIS entry, until the plain
// text shows what surrounds it. A private-use character, which no Bible text
// holds.
inline const QChar cut_marker(0xE000);

// The raw OSIS entry with every element that is not verse text replaced by
// the cut marker (in UTF-8), its content included: footnotes (<note>), psalm
// titles and headings (<title>) and the speaker labels of the Song of Songs
// (<speaker>); self-closed forms too.
std::string cut_non_verse_elements(const std::string& raw_osis);

// The text of an OSIS entry without its markup: every tag dropped, a blank
// where a line, paragraph or chapter element stood, the XML entities decoded.
// White space is left as it comes (finish_verse_text tidies it).
QString osis_to_plain(const std::string& osis);

// The final verse text from the plain text of a cut entry: a marker
// becomes a blank where it stood between a word (or its closing punctuation)
// and the next word, and vanishes elsewhere; the notes of another numbering
// ("(H5:20)", "(G13:13)") go; every run of white space, line breaks included,
// becomes one blank; leading and trailing blanks go. No value when nothing
// remains.
std::optional<QString> finish_verse_text(const QString& plain);
