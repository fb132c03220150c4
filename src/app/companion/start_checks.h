// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What is decided before any window exists: a start with --once on a day
// whose page was shown already ends, and a start while a reader runs hands
// over to it (scripted sessions never do).

#include "command_line.h"

class QSettings;

// True when the program ends now with exit code 0. `kept` is where the
// day's record is kept (nullptr: nowhere).
bool ends_before_window(const CommandLine& options, const QSettings* kept);
