// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's twenty commands in one table: the button that runs each, where
// that button stands, its tool tip and picture, and the group it belongs to.
// Control creation, dispatch, the hover timer, the search panel and the
// pictures all read this table; a new command is one row and one handler.

#include "twips.h"

#include <span>

// A command by name. Its value is the number of its button, which
// but_Click() and scripted sessions use; the hover twin is number + 100.
enum class Command {
    previous_day = 0,
    next_day = 1,
    today = 2,
    book_search_panel = 3,
    imprint = 4,
    help = 5,
    full_text_search = 6,
    reference_search = 7,
    topic_search = 8,
    date_search = 9,
    open_bible = 10,
    previous_book = 11,
    next_book = 12,
    previous_chapter = 13,
    next_chapter = 14,
    close_bible = 15,
    bible_search_panel = 16,
    bible_imprint = 17,
    bible_help = 18,
    author_search = 19,
};

// Where a button stands, and when it is seen.
enum class ButtonGroup {
    day_row,      // the button row of the day view
    bible_row,    // the button row of the Bible view
    search_go,    // a go button of the search panel, used by both searches
    book_go,      // a go button of the search panel, hidden in the Bible search
};

// What a button shows; buttons with the same meaning share a symbol.
enum class ButtonSymbol { previous, next, previous_book, next_book, today, search, imprint, help, bible, badge, go };

struct CommandRow {
    Command command;
    ButtonGroup group;
    float left;            // twips within the group's container
    float top;
    const char* tool_tip;  // UTF-8; the go buttons have none
    ButtonSymbol symbol;
};

// Every command, in button number order.
std::span<const CommandRow> command_table();

// The row of button `number` (0..19; a hover twin's number less 100), or
// nullptr for any other number.
const CommandRow* command_row(int number);

constexpr int button_number(Command command)
{
    return static_cast<int>(command);
}

// Go buttons stand in the search panel; the others in one of the two rows.
bool is_go_button(const CommandRow& row);

// The button's rectangle within its container: 990 x 195 twips for a go
// button, 300 x 300 for the others.
TwipsRect button_place(const CommandRow& row);
