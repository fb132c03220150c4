#pragma once

#include "buecher.h"

#include <QString>

class Database;

// The Bible result list of `sql` run on `bibeldb` (yielding "book",
// "chapter", "verse", "Bible_Text"). `tplbibelliste` is cut at "<!--X-->"
// into head, row template and tail. Each row fills "#Bibelstelle#" (book
// name, " ", chapter, ",", verse), "#Vers#" (the verse text with the words of
// `suchworte` in "<b>"; Null gives empty text) and "#bcv#" (book_chapter_verse).
// At most 101 verses are listed; when 100 or more were listed a closing row
// follows with the notice in "#Vers#". `suchworte` is cleared afterwards.
// Throws DatabaseError when the query is rejected or fails; nothing is built
// and `suchworte` is kept then.
QString dispbibelliste(Database& bibeldb, const QString& sql, const QString& tplbibelliste,
                       const Buecher& buecher, QString& suchworte);
