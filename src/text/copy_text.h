// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a copy puts on the clipboard: the selected text cleaned of what the
// view adds to it, followed by the source of the passage.

#include <QString>

// `selected` as a view hands it out, made plain text: object markers (U+FFFC,
// the pictures) gone, paragraph and line separators (U+2029, U+2028), the
// marks where tables begin and end (U+FDD0, U+FDD1) and "\r\n" as "\n",
// no-break spaces as blanks, runs of blanks inside a line as one, no blanks
// at the ends of lines, no empty lines at the ends of the text and at most
// one empty line in a row.
QString clean_selection_text(const QString& selected);

// "text\nreference"; only the text when `reference` is empty, nothing when
// `text` is empty.
QString with_reference(const QString& text, const QString& reference);

// The same for the HTML of a selection: the reference follows as a paragraph
// of its own, its characters escaped.
QString with_reference_html(const QString& html, const QString& reference);
