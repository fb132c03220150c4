// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The companion's part of a scripted session's dump.

#include <QJsonArray>
#include <QJsonObject>

class Companion;

// {"autostart", "reminder" ("HH:MM" or null), "tray", "outside_year" ("last"/"same_day")}
QJsonObject options_value(const Companion& companion);
// Every reminder sent, oldest first: {"summary", "body"}.
QJsonArray notifications_value(const Companion& companion);
// {"available", "shown", "tooltip"}
QJsonObject tray_value(const Companion& companion);
