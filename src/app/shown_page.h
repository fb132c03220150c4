// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a view shows, as the window's title, the source of a copy and the
// verse commands read it.

#include <QDate>
#include <QString>

#include <utility>

struct ShownPage {
    enum class Kind { other, day, chapter };
    Kind kind = Kind::other;
    QString title;  // empty: the window's title alone
    QDate day;
    int book = 0;
    int chap = 0;

    static ShownPage named(QString title) { return {Kind::other, std::move(title), {}, 0, 0}; }
};

// A verse of a chapter page: its number and where its text begins and ends.
struct VerseRange {
    int verse = 0;
    int start = 0;
    int end = 0;
};
