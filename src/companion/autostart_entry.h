// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The desktop's autostart entry that starts the reader once a day at login.

#include <QByteArray>
#include <QString>

// $XDG_CONFIG_HOME/autostart/de.selunar.Reader.desktop (~/.config when unset).
QString autostart_path();

// The entry's text: a desktop entry that runs `program --once`.
QByteArray autostart_entry(const QString& program);

// The command the entry names: "selunar" when that is what the search path
// finds for `program_path`, else `program_path` itself (when it needs no quoting).
QString autostart_command(const QString& program_path);

// Writes the entry to `path` through a temporary file and a rename, making
// its folder first. Returns empty text, or the German cause naming the file.
QString write_autostart(const QString& path, const QString& program);

// Removes the entry at `path` and nothing else; empty text or the German cause.
QString remove_autostart(const QString& path);
