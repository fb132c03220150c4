// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// SQLite's LIKE operator with the Access wildcards.

struct sqlite3;

// Replaces the LIKE of `db` ("value LIKE pattern", SQLite's like(pattern,
// value)) by LikePattern: Access wildcards, case folded for every letter.
// A Null value or pattern gives Null. Each pattern is compiled once per
// statement. Returns SQLite's result code.
int install_access_like(sqlite3* db);
