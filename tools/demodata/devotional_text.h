// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Composes the German texts of one devotional from its area's building
// blocks and a few general ones.

#include "topic_areas.h"

#include <QDate>
#include <QString>

struct DevotionalText {
    QString thema;
    QString text;  // two to four paragraphs joined by "\r\n"
    QString frage;
    QString tipp;
};

// `area_day` counts the earlier days of the year in the same area (0 for the
// area's first day), so consecutive days of an area vary their blocks;
// `block_offset` turns every choice of blocks by that many, so that another
// year's edition reads differently; `guiding_reference` is the German text of
// the day's first guiding reference, which the text mentions. The rare words
// of rare_words.h enter on their dates only.
DevotionalText compose_devotional(const TopicArea& area, int area_day, int block_offset, QDate date,
                                  const QString& guiding_reference);
