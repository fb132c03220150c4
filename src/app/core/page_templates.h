// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the page templates and cutting the two that hold blocks.

#include <QString>

// Reads the template file `path` and makes its picture references absolute:
// every "../qov_pics/" becomes `pictures` (a folder ending in "/").
// Throws TextFileError when the file cannot be read.
QString read_template(const QString& path, const QString& pictures);

struct DayTemplate {
    QString tplday;      // the text before "#BibelStart#" + the text after "#BibelEnd#"
    QString tplbibelst;  // the text between the two markers
};

// Without "#BibelStart#" the block is empty and `tplday` is the whole text,
// followed by whatever follows a "#BibelEnd#".
DayTemplate cut_day_template(const QString& text);

struct ChapterTemplate {
    QString tplbibel;  // the text before "#VersStart#" + "#VERS#" + the text after "#VersEnd#"
    QString tplvers;   // the text between the two markers
};

// Without the markers the verse block is empty and `tplbibel` is the whole
// text followed by "#VERS#".
ChapterTemplate cut_chapter_template(const QString& text);
