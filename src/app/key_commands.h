// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's keyboard commands in one table: the keys of each (a standard
// key where the desktop has one, and the usual others) and the name of its
// action. Most of them run a button's command, the one of the current mode;
// a new keyboard command is one row and one handler.

#include <QKeySequence>
#include <QList>

#include <span>

enum class KeyCommand {
    previous,    // the previous day, in the Bible the previous chapter
    next,        // the next day or chapter
    today,
    find,        // the full-text search of the current mode, cursor in its field
    back,        // from the search panel back to the page
    help,
    bible,       // Bible mode on and off
    quit,
    zoom_in,
    zoom_out,
    zoom_reset,
    copy,        // the selection with its source
    print,
    save_pdf,
    read_aloud,  // the visible page aloud; again, it stops
    star_day,    // the day's devotional starred or not
    mark_read,   // the day's Bible reading read or not
    progress,    // the reading progress page
    note,        // the note on the day, in the Bible on the verse
    my_notes,    // the page of favourites and notes
    quick_search,
    settings,    // the companion's options
    edition,          // the "Jahrgang" menu
    edition_earlier,  // the day shown in the edition before
    edition_later,    // the day shown in the edition after
    translation,      // the "Übersetzung" menu of the Bible
};

struct KeyCommandRow {
    KeyCommand command;
    QKeySequence::StandardKey standard;  // QKeySequence::UnknownKey when none
    const char* keys;                    // further sequences, portable text, "; " between them
    const char* text;                    // the action's name, UTF-8
};

std::span<const KeyCommandRow> key_command_table();

// Every sequence of `row`: its standard keys, then its further ones, each once.
QList<QKeySequence> key_sequences(const KeyCommandRow& row);
