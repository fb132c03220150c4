// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads a Bible from a SWORD module into plain verse texts: no markup,
// footnotes, titles and speaker labels removed without gluing the words around
// them together, poetry lines joined into one line.

#include "bible_text.h"
#include "plain_verse_text.h"

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

// The raw OSIS entry with every element that is not verse text replaced by
// the cut marker (plain_verse_text.h, in UTF-8), its content included:
// footnotes (<note>), psalm titles and headings (<title>) and the speaker
// labels of the Song of Songs (<speaker>); self-closed forms too.
std::string cut_non_verse_elements(const std::string& raw_osis);

// The text of an OSIS entry without its markup: every tag dropped, a blank
// where a line, paragraph or chapter element stood, the XML entities decoded.
// White space is left as it comes (finish_verse_text tidies it).
QString osis_to_plain(const std::string& osis);
