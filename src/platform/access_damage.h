// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Failures caused by a damaged file say so first, so that the reader's user
// learns that the file, not the program, is at fault.

#include <stdexcept>
#include <string>

[[noreturn]] inline void throw_damaged(const std::string& what)
{
    throw std::runtime_error("damaged file: " + what);
}
