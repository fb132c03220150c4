// SPDX-License-Identifier: GPL-2.0-or-later
#include "osis_books.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, reader_book_count> osis_names = {
    "Gen",   "Exod",  "Lev",    "Num",    "Deut",  "Josh", "Judg", "Ruth", "1Sam", "2Sam", "1Kgs",
    "2Kgs",  "1Chr",  "2Chr",   "Ezra",   "Neh",   "Esth", "Job",  "Ps",   "Prov", "Eccl", "Song",
    "Isa",   "Jer",   "Lam",    "Ezek",   "Dan",   "Hos",  "Joel", "Amos", "Obad", "Jonah", "Mic",
    "Nah",   "Hab",   "Zeph",   "Hag",    "Zech",  "Mal",  "Matt", "Mark", "Luke", "John", "Acts",
    "Rom",   "1Cor",  "2Cor",   "Gal",    "Eph",   "Phil", "Col",  "1Thess", "2Thess", "1Tim", "2Tim",
    "Titus", "Phlm",  "Heb",    "Jas",    "1Pet",  "2Pet", "1John", "2John", "3John", "Jude", "Rev",
};

} // namespace

std::string_view osis_book_name(int book)
{
    if (book < 1 || book > reader_book_count)
        return {};
    return osis_names[std::size_t(book - 1)];
}

int book_of_osis(std::string_view osis_name)
{
    const auto it = std::find(osis_names.begin(), osis_names.end(), osis_name);
    return it == osis_names.end() ? 0 : int(it - osis_names.begin()) + 1;
}
