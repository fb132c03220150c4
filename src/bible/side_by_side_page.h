// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A chapter in several translations side by side: one row per verse, one
// column per translation.

#include "bible_source.h"
#include "buecher.h"

#include <QString>

#include <vector>

// What one translation shows of the chapter, in the reader's numbering.
struct TranslationColumn {
    QString short_name;  // the column's heading: "KJV"
    bool has_book = true;
    std::vector<SourceVerse> verses;  // in verse order
};

// The page of chapter `chap` of book `book` in `columns`: `tplbibel` with
// "#Buch#" (the name from `buecher`) and "#Kapitel#" as the single chapter
// page fills them, and "#VERS#" replaced by rows, each a one-row table of the
// full width: a row of the columns' short names, then for every verse number
// any column holds, in order, a row of the columns' headings before it (when
// one has one) and a row of the
// verse in each column as a copy of `tplvers` ("#Versnr#", then "#Vers#":
// the text HTML-escaped, in "<b>" and "</b>" when `testhilite` selects it),
// an empty cell where a column lacks the verse. A column without the book
// says so in its first row: "Dieses Buch fehlt in KJV."
QString side_by_side_chapter(int book, int chap, const std::vector<TranslationColumn>& columns,
                             const QString& tplbibel, const QString& tplvers, const Buecher& buecher,
                             const QString& hilitebcv);
