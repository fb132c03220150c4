// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why a data file could not be used, in kinds a user can act on. Messages
// carry the technical detail for the record; the kind gives the user's words.

#include <QString>

enum class FileFailure {
    unknown,
    missing,
    folder,
    unreadable,
    empty,
    not_a_database,
    unsupported_format,
    wrong_password,
    damaged,
    incomplete,  // a sound file without the tables, indexes or rows it must hold
};

// The cause in German for a message to the user: "die Datei fehlt",
// "falsches Kennwort", "keine gültige Access-Datei", ...
QString german_cause(FileFailure failure);
