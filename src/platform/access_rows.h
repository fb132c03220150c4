// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copying the rows of one Access table into SQLite, value by value, in the
// forms copy_access_tables describes. Plain C++: this runs in the import's
// child process.

#include <cstdint>
#include <span>
#include <vector>

struct S_MdbTableDef;
struct sqlite3_stmt;

// Inserts every live row of `table` (opened through libmdb, columns read) with
// `insert`, an "INSERT INTO ... VALUES (?, ...)": column i of the table goes
// into parameter `parameters[i]` (1-based), and a column whose parameter is 0
// is not read. Long values are looked up in `file`, the whole file with plain
// pages. Throws std::runtime_error with the cause.
void copy_access_rows(S_MdbTableDef* table, sqlite3_stmt* insert, std::span<const std::uint8_t> file,
                      const std::vector<int>& parameters);
