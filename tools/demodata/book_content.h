// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The devotional of every day of a demo edition's year, ready for table "QOV".

#include "bible_text.h"
#include "demo_editions.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <vector>

struct DayRow {
    QDate datum;
    QVariant feiertag;  // the holiday's name, or Null
    QString leitvers;   // verse texts joined by "\r\n"
    QString bibelstelle;
    QString bcv1;
    QString thema;
    QString text;
    QString frage;
    QString tipp;
    QString bibellese;
    QString bcv2;
    int bereich = 0;
    int aid = 0;
};

// One row per day of the edition's year, in date order. The same Bible gives
// the same rows on every run.
std::vector<DayRow> compose_book(const BibleText& bible, const DemoEdition& edition);
