// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Long values (memo and OLE fields) of Access files. A row holds a 12-byte
// reference: the length with two flag bits, then either the bytes themselves
// (inline), or the page and row of one row of data (single page), or of the
// first of a chain of rows that each begin with the page and row of the next.
// Plain C++: this runs in the import's child process.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Where a page keeps its rows.
struct PageLayout {
    int page_size;         // 2048 (Jet3) or 4096 (Jet4)
    int row_count_offset;  // of the row count; the row offsets follow it
};

// The stored bytes of the long value whose field in its row is `field`, found
// in `file` (with plain, not encoded, pages). The result points into `field`,
// `file` or `scratch`. Throws std::runtime_error ("damaged file: ...") when a
// reference leads outside the file or a chain does not add up to the length.
std::string_view long_value_bytes(std::span<const std::uint8_t> field,
                                  std::span<const std::uint8_t> file, PageLayout layout,
                                  std::string& scratch);
