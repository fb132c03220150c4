// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the command parts out of a followed link's address.

#include <QString>

#include <optional>

// The date text of a day link: from just behind the first "GOTO" up to the
// first "|" after it. nullopt when the address holds no "GOTO" or no "|"
// after it.
std::optional<QString> goto_date_text(const QString& address);

// The number at the start of `text`, rounded to the nearest whole number (a
// half goes to the even neighbour): leading blanks are skipped, then a sign,
// digits, a decimal point and an exponent are read as far as they form a
// number. No number gives 0. nullopt when the number is too large to be a
// whole number.
std::optional<qint64> leading_number(const QString& text);
