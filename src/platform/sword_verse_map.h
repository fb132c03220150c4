// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which verses of a module stand in a chapter of the frame, by libsword's
// mapping between versifications (both named as libsword names them).

#include <QString>

#include <vector>

// A verse in a module's own numbering; books as in the reader (1 to 66).
struct ModuleVerse {
    int book = 0;
    int chap = 0;
    int verse = 0;

    bool operator==(const ModuleVerse&) const = default;
};

// A module verse and the frame verse it stands at; 0 stands before verse 1,
// where the chapter's superscription goes.
struct MappedVerse {
    int frame_verse = 0;
    ModuleVerse verse;

    bool operator==(const MappedVerse&) const = default;
};

// The verses of a module numbered by `module_system` that libsword maps into
// chapter `chap` of book `book` of the frame numbered by `frame_system`, in
// the module's order. Each verse of the module lands in one place only: a
// frame verse it maps onto as a range gets it at the range's first verse.
// The same system (KJV and KJVA counting as one, as in libsword) maps verse
// for verse. An unknown system counts as KJV.
std::vector<MappedVerse> module_verses_in_chapter(const QString& frame_system, const QString& module_system,
                                                  int book, int chap);
