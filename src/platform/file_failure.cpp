// SPDX-License-Identifier: GPL-2.0-or-later
#include "file_failure.h"

QString german_cause(FileFailure failure)
{
    switch (failure) {
    case FileFailure::missing: return QStringLiteral("die Datei fehlt");
    case FileFailure::folder: return QStringLiteral("an ihrer Stelle steht ein Ordner");
    case FileFailure::unreadable: return QStringLiteral("die Datei kann nicht gelesen werden");
    case FileFailure::empty: return QStringLiteral("die Datei ist leer");
    case FileFailure::not_a_database: return QStringLiteral("keine gültige Access-Datei");
    case FileFailure::unsupported_format:
        return QStringLiteral("Dateien ab Access 2007 (.accdb) werden nicht unterstützt");
    case FileFailure::wrong_password: return QStringLiteral("falsches Kennwort");
    case FileFailure::damaged: return QStringLiteral("die Datei ist beschädigt");
    case FileFailure::incomplete: return QStringLiteral("der Datei fehlen Tabellen oder Daten");
    case FileFailure::unknown: break;
    }
    return QStringLiteral("die Datei kann nicht verwendet werden");
}
