// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's state as one JSON object, for scripted sessions and their
// tests. Visibility is each control's own flag (shown or hidden by the
// program), whatever its containers do; a part whose control the window
// lacks is null.

#include <QJsonObject>

class Form1;

QJsonObject session_dump(const Form1& form);
