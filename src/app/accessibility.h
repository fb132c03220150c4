// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What assistive technology (a screen reader) learns of the window: the
// picture buttons as buttons with their names and keys, the window as a
// frame with its title, fields named by their captions, and the views' text
// as it is read, without the document's layout marks. (Fields are named by
// their captions through QLabel::setBuddy.)

#include "commands.h"

#include <QString>

// Makes the program's own controls known to assistive technology; once,
// before the window is shown.
void install_accessibility();

// The keys that run the command of button `command`, as the desktop writes
// them ("Alt+Links"); empty when no key runs it.
QString command_keys(Command command);
