// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_manager.h"

#include <QFile>

#include <localemgr.h>

namespace {

// The reader names books itself and reads verses by number, so libsword's
// translated book names (a hundred files, most of the time it takes to load
// the modules) are left unread: its locale manager is given no folder before
// libsword makes its own. Once made it stays, as keys keep its locales.
struct LocaleFree : sword::LocaleMgr {
    static void leave_locales_unread()
    {
        if (!systemLocaleMgr)
            setSystemLocaleMgr(new sword::LocaleMgr(""));
    }
};

} // namespace

// Neither constructor loads: libsword calls loadConfigDir while it loads, and
// only a constructed manager hears of it.
SwordManager::SwordManager() : sword::SWMgr(nullptr, nullptr, false)
{
}

SwordManager::SwordManager(const QByteArray& folder) : sword::SWMgr(folder.constData(), false, nullptr, false, false)
{
}

std::shared_ptr<SwordManager> SwordManager::make(const QString& folder)
{
    LocaleFree::leave_locales_unread();
    std::shared_ptr<SwordManager> manager;
    if (folder.isEmpty())
        manager.reset(new SwordManager());
    else
        manager.reset(new SwordManager(QFile::encodeName(folder.endsWith(u'/') ? folder : folder + u'/')));
    manager->load_modules();
    return manager;
}

void SwordManager::load_modules()
{
    for (const char* option : {"Footnotes", "Strong's Numbers", "Morphological Tags", "Lemmas", "Cross-references",
                               "Glosses", "Transliterated Forms", "Enumerations", "Morpheme Segmentation",
                               "Words of Christ in Red"})
        setGlobalOption(option, "Off");
    setGlobalOption("Headings", "On");
    setGlobalOption("Textual Variants", "Primary Reading");
    load();
}

void SwordManager::loadConfigDir(const char* path)
{
    if (!description_folders_.contains(QFile::decodeName(path)))
        description_folders_ << QFile::decodeName(path);
    sword::SWMgr::loadConfigDir(path);
}
