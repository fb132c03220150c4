// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The wait pointer for the life of one command: shown on construction, the
// previous pointer back on destruction, on every way out of the command.

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Whether the wait pointer is showing now.
    static bool showing();
};
