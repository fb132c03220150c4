// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One open edition of the book: its two databases with their cursors, the
// prepared templates, the lookup tables and the first and last day. Start-up
// makes it whole; the window replaces it whole when it changes edition, so
// no page is ever built from parts of two editions.

#include "database.h"
#include "edition.h"
#include "lookup_lists.h"

#include <QDate>
#include <QString>

#include <memory>

struct OpenBook {
    QString apppath;  // the edition's folder, ending in "/"
    EditionParts files;  // where its four parts lie

    // Declared before the cursors, so the cursors are destroyed first.
    std::unique_ptr<Database> db;       // qov.mdb
    std::unique_ptr<Database> bibeldb;  // elberfelderbibel.mdb
    std::unique_ptr<Recordset> rsQov;   // table "QOV", index "Datum"
    std::unique_ptr<Recordset> rsTexte; // table "texte", index "book"

    LookupLists lists;  // bereiche, buecher and the entries of the four lists

    QString tplday;         // day page, Bible-link block cut out
    QString tplbibelst;     // the Bible-link block
    QString tplliste;       // devotional result list
    QString tplbibelliste;  // Bible result list
    QString tpl_impressum;
    QString tplhilfe;
    QString tplbibel;  // chapter page, verse block replaced by "#VERS#"
    QString tplvers;   // the verse block

    QDate firstdate;
    QDate lastdate;

    // The book's name as its pages, copies and reminders give it: "Selunar 2025".
    QString title() const;
};
