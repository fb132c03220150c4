// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// German public holidays and the main days of the Protestant church year.

#include <QDate>
#include <QString>

#include <map>

// Easter Sunday of `year` (Gregorian calendar).
QDate easter_sunday(int year);

// The holidays of `year` by date, each with its German name. Fixed days
// (Neujahr, Heiligabend …), the feasts that follow Easter, the Sundays that
// count back from Christmas (Advent, Ewigkeitssonntag, Volkstrauertag) and
// Buß- und Bettag (the Wednesday before 23 November). Two feasts on one
// day share it, their names joined by ", ".
std::map<QDate, QString> holidays(int year);
