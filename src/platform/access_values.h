#pragma once
// Conversions of values stored in Access files into the forms of the in-memory
// copy. Plain C++: they run in the import's child process.

#include <optional>
#include <string>

// An Access date/time value (days since 1899-12-30; for dates before that the
// whole days count backwards while the fraction is still the time of day) as
// ISO text: "YYYY-MM-DD" at midnight, else "YYYY-MM-DD HH:MM:SS", rounded to
// the second. Nothing for values outside Access's range 100-01-01 to
// 9999-12-31 (damaged data).
std::optional<std::string> access_date_text(double days);

// A single-precision value as the double of its shortest decimal form, so
// that 0.1f reads back as 0.1 and not 0.100000001490116.
double single_as_double(float value);
