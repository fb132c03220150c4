// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The state of the main window for the whole run: the open databases and
// cursors, the prepared templates, the lookup tables and the current date and
// Bible position. Start-up builds it; the window owns it.

#include "database.h"
#include "lookup_lists.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

struct FormState {
    QString apppath;  // the program folder, ending in "/"

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

    QString hilitebcv;                  // key of the verses shown in bold
    QString actbcv = QStringLiteral("1_1_0");  // current Bible position
    QDate actdate;
    QDate firstdate;
    QDate lastdate;
    bool navbusy = false;      // true while the book and chapter lists are set
    bool wb0visible = false;   // day view's visibility saved in the Bible mode
    int suchmode = 1;          // 1 = search in the book, 2 = search in the Bible
    std::optional<QDate> testdatum;  // loop date of the reference self-test
    QString suchworte;         // search words to mark, each followed by ";"
};
