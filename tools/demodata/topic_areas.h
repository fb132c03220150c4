// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The topic areas of the demo book: name, picture, the words whose verses
// serve as the area's guiding verses, and the German building blocks
// from which the devotionals of the area are composed.

#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

enum class AreaSymbol { rock, candle, sun, anchor, heart, rainbow, wheat, cross, tree, circles, book, shield };

struct TopicArea {
    int id;
    QString name;
    QString picture;
    AreaSymbol symbol;
    QColor colour;
    // Regular expressions (matched ignoring case) that find the area's verses
    // in the Elberfelder text of 1905 ("Fürchte dich nicht", "harret"; its
    // "gebet" is also "give").
    QStringList verse_patterns;
    QStringList themes;
    QStringList openings;
    QStringList thoughts;
    QStringList questions;
    QStringList tips;
};

// The twelve areas. Their ids are not in alphabetical order, so the search
// list's order (by name) differs from the id order.
const std::vector<TopicArea>& topic_areas();

const TopicArea& topic_area(int id);
