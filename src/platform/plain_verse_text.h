// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The last step from a module's verse entry to the verse text a page shows:
// where markup was cut out, the words around it stay apart without a blank
// before punctuation.

#include <QChar>
#include <QString>

#include <optional>

// Stands where an element was cut out of an entry, until the plain text shows
// what surrounds it. A private-use character, which no Bible text holds.
inline constexpr QChar cut_marker(0xE000);

// The final verse text from the plain text of a cut entry: a marker
// becomes a blank where it stood between a word (or its closing punctuation)
// and the next word, and vanishes elsewhere; the notes of another numbering
// ("(H5:20)", "(G13:13)") go; every run of white space, line breaks included,
// becomes one blank; leading and trailing blanks go. No value when nothing
// remains.
std::optional<QString> finish_verse_text(const QString& plain);
