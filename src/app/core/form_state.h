// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The state of the main window for the whole run: the open book and the
// current date and Bible position. Start-up builds it; the window owns it.

#include "open_book.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

struct FormState {
    std::unique_ptr<OpenBook> book;  // the edition shown, replaced whole

    QString hilitebcv;                  // key of the verses shown in bold
    QString actbcv = QStringLiteral("1_1_0");  // current Bible position
    QDate actdate;
    bool navbusy = false;      // true while the book and chapter lists are set
    bool wb0visible = false;   // day view's visibility saved in the Bible mode
    int suchmode = 1;          // 1 = search in the book, 2 = search in the Bible
    std::optional<QDate> testdatum;  // loop date of the reference self-test
    QString suchworte;         // search words to mark, each followed by ";"
};
