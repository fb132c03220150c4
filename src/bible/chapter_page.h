// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "buecher.h"

#include <QString>

class Recordset;

// True when `verse` of `chap` of `book` lies inside one of the references of
// the highlight key `hilitebcv` (references joined by "/"; the first empty
// one ends the list). A reference with verse 0, and one that is not
// well-formed, selects no verse; an empty key selects none.
bool testhilite(const QString& hilitebcv, int book, int chap, int verse);

// The page of chapter `chap` of book `book`: `tplbibel` with "#Buch#" (the
// book's name from `buecher`, empty for an unknown book), "#Kapitel#" and
// "#VERS#" filled; "#VERS#" gets one copy of `tplvers` per verse of that
// chapter in table order, with "#Versnr#" and "#Vers#" (the verse text, empty
// when Null, in "<b>" and "</b>" when `testhilite` selects it) filled.
// `rsTexte` is a table cursor on "texte" with the index "book" current; it
// is moved. A chapter without verses gets no rows.
// Throws DatabaseError when the database fails.
QString renderchap(int book, int chap, Recordset& rsTexte, const QString& tplbibel,
                   const QString& tplvers, const Buecher& buecher, const QString& hilitebcv);
