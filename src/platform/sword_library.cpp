// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_library.h"

#include "sword_bible_source.h"
#include "sword_lock.h"
#include "sword_manager.h"
#include "sword_module_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <swconfig.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <algorithm>
#include <cstring>
#include <set>

namespace {

const QString locked = QStringLiteral("gesperrt");
const QString damaged = QStringLiteral("beschädigt");

QString entry(const sword::SWModule& module, const char* name)
{
    const char* value = module.getConfigEntry(name);
    return value ? QString::fromUtf8(value) : QString();
}

bool is_bible_driver(const QString& driver)
{
    for (const char* bible : {"zText", "zText4", "RawText", "RawText4"})
        if (driver.compare(QLatin1String(bible), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The index entries each testament of `system` needs: one for every
// position libsword counts, up to the testament's last verse.
TestamentEntries entries_of(const char* versification)
{
    const sword::VersificationMgr::System* system =
        sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(versification);
    TestamentEntries entries{0, 0};
    const int old_books = system->getBMAX()[0];
    const int books = system->getBookCount();
    for (int t = 0; t < 2; ++t) {
        const int last = t == 0 ? old_books - 1 : books - 1;
        if (last < (t == 0 ? 0 : old_books))
            continue;
        const sword::VersificationMgr::Book* book = system->getBook(last);
        const int chap = book->getChapterMax();
        const long offset = system->getOffsetFromVerse(last, chap, book->getVerseMax(chap));
        entries[std::size_t(t)] = offset + 1 - (t == 0 ? 0 : system->getNTStartOffset());
    }
    return entries;
}

// Why `module` cannot be read, or nothing: its key, its markup and
// encoding, its data files.
std::pair<QString, QString> fault_of(sword::SWModule& module)
{
    const char* cipher = module.getConfigEntry("CipherKey");
    if (cipher && !*cipher)
        return {locked, QStringLiteral("Das Modul ist verschlüsselt, und sein Schlüssel fehlt.")};
    const QString source_type = entry(module, "SourceType");
    static const std::set<QString> markups{"", "osis", "thml", "gbf", "tei", "plaintext", "plain"};
    if (!markups.count(source_type.toLower()))
        return {damaged, QStringLiteral("Das Textformat „%1“ ist unbekannt.").arg(source_type)};
    if (module.getEncoding() != sword::ENC_UTF8 && module.getEncoding() != sword::ENC_LATIN1)
        return {damaged, QStringLiteral("Die Zeichenkodierung „%1“ wird nicht unterstützt.").arg(entry(module, "Encoding"))};
    std::unique_ptr<sword::VerseKey> key(static_cast<sword::VerseKey*>(module.createKey()));
    const QString fault = data_file_fault(entry(module, "ModDrv"), QFile::decodeName(module.getConfigEntry("AbsoluteDataPath")),
                                          entries_of(key->getVersificationSystem()));
    if (!fault.isEmpty())
        return {damaged, fault};
    return {};
}

BibleModuleInfo info_of(sword::SWModule& module)
{
    BibleModuleInfo info;
    info.name = QString::fromUtf8(module.getName());
    info.short_name = entry(module, "Abbreviation");
    if (info.short_name.isEmpty())
        info.short_name = info.name;
    info.description = QString::fromUtf8(module.getDescription());
    info.language = QString::fromUtf8(module.getLanguage());
    std::tie(info.reason, info.detail) = fault_of(module);
    info.usable = info.reason.isEmpty();
    return info;
}

BibleModuleInfo damaged_entry(const QString& name, const QString& detail)
{
    return {name, name, {}, {}, false, damaged, detail};
}

// The modules of the description files in `folder` that libsword did not
// make: Bible modules of a driver it lacks, and files it could not read.
void add_unmade_modules(const QString& folder, const std::set<QString>& made, std::vector<BibleModuleInfo>& modules)
{
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.conf")}, QDir::Files | QDir::System,
                                                          QDir::Name);
    for (const QFileInfo& file : files) {
        sword::SWConfig description(QFile::encodeName(file.filePath()).constData());
        bool any_section = false;
        for (const auto& [name, section] : description.getSections()) {
            any_section = true;
            const QString module_name = QString::fromUtf8(name.c_str());
            const auto driver = section.find("ModDrv");
            const auto category = section.find("Category");
            const bool bible = (driver != section.end() && is_bible_driver(QString::fromUtf8(driver->second.c_str())))
                               || (category != section.end() && category->second == "Biblical Texts");
            if (bible && !made.count(module_name))
                modules.push_back(damaged_entry(module_name, QStringLiteral("Libsword kann das Modul nicht öffnen.")));
        }
        if (!any_section)
            modules.push_back(damaged_entry(file.completeBaseName(),
                                            QStringLiteral("Die Beschreibung %1 ist nicht lesbar.").arg(file.fileName())));
    }
}

} // namespace

SwordLibrary::SwordLibrary() : SwordLibrary(QString())
{
}

SwordLibrary::SwordLibrary(const QString& folder)
{
    const auto lock = sword_lock();
    manager_ = SwordManager::make(folder);
    std::set<QString> made;
    for (const auto& [name, module] : manager_->getModules()) {
        made.insert(QString::fromUtf8(name.c_str()));
        if (std::strcmp(module->getType(), sword::SWMgr::MODTYPE_BIBLES) == 0)
            modules_.push_back(info_of(*module));
    }
    for (const QString& description_folder : manager_->description_folders())
        add_unmade_modules(description_folder, made, modules_);
    std::sort(modules_.begin(), modules_.end(), [](const BibleModuleInfo& a, const BibleModuleInfo& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
}

SwordLibrary::~SwordLibrary()
{
    const auto lock = sword_lock();
    manager_.reset();
}

std::unique_ptr<BibleSource> SwordLibrary::open(const QString& name, const BibleFrame& frame) const
{
    const auto info = std::find_if(modules_.begin(), modules_.end(),
                                   [&](const BibleModuleInfo& m) { return m.name == name; });
    if (info == modules_.end())
        throw BibleModuleError(QStringLiteral("Das Modul %1 ist nicht installiert.").arg(name).toStdString());
    if (!info->usable)
        throw BibleModuleError(QStringLiteral("Das Modul %1 ist %2: %3").arg(name, info->reason, info->detail).toStdString());
    const auto lock = sword_lock();
    sword::SWModule* module = manager_->getModule(name.toUtf8().constData());
    return std::make_unique<SwordBibleSource>(manager_, *module, *info, frame);
}
