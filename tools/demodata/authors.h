// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The authors of the demo book, named after persons of the Bible (a given
// name with a place or a father), and how many devotionals each writes.

#include <QString>
#include <QVariant>

#include <vector>

struct Author {
    int aid;
    QVariant vorname;  // text, empty text, or Null
    QString nachname;
    int days;          // devotionals in a leap year; 0 for one author
};

// Their days add up to 366; a common year has one of them fewer.
const std::vector<Author>& authors();
