// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Conversions of values stored in Access files into the forms of the in-memory
// copy. Plain C++: they run in the import's child process.

#include <optional>
#include <string>
#include <string_view>

// An Access date/time value (days since 1899-12-30; for dates before that the
// whole days count backwards while the fraction is still the time of day) as
// ISO text: "YYYY-MM-DD" at midnight, else "YYYY-MM-DD HH:MM:SS", rounded to
// the second. Nothing for values outside Access's range 100-01-01 to
// 9999-12-31 (damaged data).
std::optional<std::string> access_date_text(double days);

// A single-precision value as the double of its shortest decimal form, so
// that 0.1f reads back as 0.1 and not 0.100000001490116.
double single_as_double(float value);

// Text as Jet4 stores it, into `text` as UTF-8: UTF-16 little-endian, or,
// when it begins with FF FE, "compressed": runs of one-byte characters
// (U+0001 to U+00FF) and of two-byte ones, each zero byte switching from one
// kind to the other, starting with one-byte characters. A lone surrogate
// becomes U+FFFD; an odd last byte is dropped.
void jet4_text_to_utf8(std::string_view stored, std::string& text);
