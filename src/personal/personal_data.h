// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The reader's own layer over the book and the Bible: the days whose Bible
// reading is done, the starred days and verses, and the notes on them.

#include <QDate>
#include <QString>

#include <compare>
#include <vector>

// A day ("2024-03-05") or a verse of the Bible (its key "19_23_1").
struct Target {
    enum class Kind { day, verse };
    Kind kind = Kind::day;
    QString key;

    static Target day(QDate date) { return {Kind::day, date.toString(Qt::ISODate)}; }
    static Target verse(int book, int chap, int verse);
    // "day" or "verse", as files and the store name the kind.
    QString kind_name() const { return kind == Kind::day ? QStringLiteral("day") : QStringLiteral("verse"); }
    // The day of a day target; invalid for a verse.
    QDate date() const;
    // Whether the key is a well-formed date or verse key of its kind.
    bool valid() const;

    bool operator==(const Target&) const = default;
    // Days first in date order, then verses in Bible order.
    std::strong_ordering operator<=>(const Target& other) const;
};

struct Note {
    Target target;
    QString text;
    bool operator==(const Note&) const = default;
};

// Everything of the layer, each list in its order: days, then stars and
// notes by target (notes of one target in the order written).
struct PersonalData {
    std::vector<QDate> read;
    std::vector<Target> stars;
    std::vector<Note> notes;
    bool operator==(const PersonalData&) const = default;
};

// The first line of `text`, as lists show a note.
QString first_line(const QString& text);
