// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Bible modules of the SWORD library installed on the desktop, found
// where the SWORD programs find them, each checked before it may be chosen.

#include "bible_frame.h"
#include "bible_source.h"

#include <QString>

#include <memory>
#include <vector>

// One Bible module as it is listed for choosing.
struct BibleModuleInfo {
    QString name;         // the module's name: "engKJV2006eb"
    QString short_name;   // its abbreviation, else its name: "KJV"
    QString description;  // "King James Version"
    QString language;     // "en"
    bool usable = false;
    QString reason;       // empty when usable, else "gesperrt" or "beschädigt"
    QString detail;       // the cause in a short German sentence, empty when usable

    bool operator==(const BibleModuleInfo&) const = default;
};

class SwordManager;

// Looks the modules up once, when it is made: libsword reads their
// descriptions, and the data files of each Bible module are checked so that a
// damaged one is refused here rather than read later. Nothing is written in
// the module folders. Libraries and sources may live on different threads
// (calls into libsword are serialised); each source is used by one thread
// at a time.
class SwordLibrary {
public:
    // Where the SWORD programs look: SWORD_PATH, the folder the system's
    // sword.conf names (/usr/share/sword), the user's ~/.sword.
    SwordLibrary();
    // The SWORD folder `folder` alone (its mods.d and the data it names).
    explicit SwordLibrary(const QString& folder);
    ~SwordLibrary();
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    // The Bible modules, usable or not, by name; a description file that
    // cannot be read is listed under its file name.
    const std::vector<BibleModuleInfo>& modules() const { return modules_; }

    // A source reading the usable module `name` in the numbering of `frame`.
    // It stays valid after the library is gone. Throws BibleModuleError for
    // a module that is not listed or not usable.
    std::unique_ptr<BibleSource> open(const QString& name, const BibleFrame& frame) const;

private:
    std::shared_ptr<SwordManager> manager_;
    std::vector<BibleModuleInfo> modules_;
};
