// SPDX-License-Identifier: GPL-2.0-or-later
#include "commands.h"

#include <array>

namespace {

constexpr float row_top = 120;

using C = Command;
using G = ButtonGroup;
using S = ButtonSymbol;

constexpr std::array<CommandRow, 20> table{{
    {C::previous_day, G::day_row, 1920, row_top, "vorheriger Tag", S::previous},
    {C::next_day, G::day_row, 2760, row_top, "nächster Tag", S::next},
    {C::today, G::day_row, 2310, row_top, "heute", S::today},
    {C::book_search_panel, G::day_row, 5880, row_top, "Suche", S::search},
    {C::imprint, G::day_row, 6240, row_top, "Impressum", S::imprint},
    {C::help, G::day_row, 6600, row_top, "Hilfe", S::help},
    {C::full_text_search, G::search_go, 5760, 600, "", S::go},
    {C::reference_search, G::book_go, 5760, 1080, "", S::go},
    {C::topic_search, G::book_go, 5760, 1560, "", S::go},
    {C::date_search, G::book_go, 5760, 2400, "", S::go},
    {C::open_bible, G::day_row, 960, row_top, "Bibel", S::bible},
    {C::previous_book, G::bible_row, 1680, row_top, "vorheriges Buch", S::previous_book},
    {C::next_book, G::bible_row, 2760, row_top, "nächstes Buch", S::next_book},
    {C::previous_chapter, G::bible_row, 2040, row_top, "vorheriges Kapitel", S::previous},
    {C::next_chapter, G::bible_row, 2400, row_top, "nächstes Kapitel", S::next},
    {C::close_bible, G::bible_row, 960, row_top, "Selunar", S::badge},
    {C::bible_search_panel, G::bible_row, 5880, row_top, "Suche", S::search},
    {C::bible_imprint, G::bible_row, 6240, row_top, "Impressum", S::imprint},
    {C::bible_help, G::bible_row, 6600, row_top, "Hilfe", S::help},
    {C::author_search, G::book_go, 5760, 1980, "", S::go},
}};

constexpr bool numbered_in_order()
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (button_number(table[i].command) != static_cast<int>(i))
            return false;
    return true;
}
static_assert(numbered_in_order(), "row n of the command table is button n");

} // namespace

std::span<const CommandRow> command_table()
{
    return table;
}

const CommandRow* command_row(int number)
{
    if (number < 0 || number >= static_cast<int>(table.size()))
        return nullptr;
    return &table[static_cast<std::size_t>(number)];
}

bool is_go_button(const CommandRow& row)
{
    return row.group == ButtonGroup::search_go || row.group == ButtonGroup::book_go;
}

TwipsRect button_place(const CommandRow& row)
{
    constexpr float toolbar_size = 300;
    if (is_go_button(row))
        return {row.left, row.top, 990, 195};
    return {row.left, row.top, toolbar_size, toolbar_size};
}
