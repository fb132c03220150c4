// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copying the user tables of an Access file into SQLite through libmdb.
// libmdb trusts the structure of the file it reads, so a damaged file can make
// it crash or loop: the import runs this in an isolated child process
// (access_isolation.h). Plain C++ for that reason: no Qt.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct sqlite3;

// A part of a file to copy instead of the whole: one table with some of its
// columns (names matched without regard to case). The copy holds the table
// with `columns` and the key columns of the indexes named in `indexes`, in
// the table's column order, and every index of the table whose key columns
// are all copied. A table without any of those columns is left out.
struct AccessSelection {
    std::string table;  // empty: the whole file
    std::vector<std::string> columns;
    std::vector<std::string> indexes;
};

// Copies every user table (columns, rows, indexes with their Access names) of
// the Jet3/Jet4 file held in `file` (with plain pages: decode_pages) into a new in-memory SQLite database and
// returns it. Tables, columns and indexes keep their Access names; when an
// index name is taken (index names are per table in Access, per database in
// SQLite) or reserved, the index is named "<table>.<index>". Column types:
// text, memo and GUID give TEXT; yes/no, byte, integer and long give INTEGER
// (yes = -1, as Access has it); single, double, currency and decimal give
// REAL; date/time gives DATETIME holding ISO text (the stored number when it
// is no valid date); OLE, binary and unknown types give BLOB. Null stays
// distinct from empty text, memo values are copied whole. Throws
// std::runtime_error with the cause. With a `selection` only that part is
// copied, and long values of the columns left out are never read.
sqlite3* copy_access_tables(std::span<std::uint8_t> file, const AccessSelection& selection = {});
