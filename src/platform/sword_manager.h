// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The libsword manager behind a SwordLibrary and the sources it opens: it
// notes the folders of module descriptions that libsword reads, and holds the
// filters every opened module shares. Use it only under sword_lock().

#include "sword_text.h"

#include <QString>
#include <QStringList>

#include <swmgr.h>

#include <memory>

class SwordManager : public sword::SWMgr {
public:
    // Where the SWORD programs look when `folder` is empty, else `folder`
    // alone (its mods.d), without the user's home folder. The modules are
    // loaded at once.
    static std::shared_ptr<SwordManager> make(const QString& folder);

    // The mods.d folders libsword read, in its order.
    const QStringList& description_folders() const { return description_folders_; }
    const TextFilters& filters() const { return filters_; }

protected:
    void loadConfigDir(const char* path) override;

private:
    SwordManager();
    explicit SwordManager(const QByteArray& folder);
    void load_modules();

    QStringList description_folders_;
    TextFilters filters_;
};
