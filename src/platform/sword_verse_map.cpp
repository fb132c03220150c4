// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_verse_map.h"

#include "osis_books.h"
#include "sword_lock.h"

#include <versificationmgr.h>

#include <set>
#include <string>
#include <utility>

namespace {

using System = sword::VersificationMgr::System;

const System& system_named(const QString& name)
{
    auto* manager = sword::VersificationMgr::getSystemVersificationMgr();
    const System* system = manager->getVersificationSystem(name.toUtf8().constData());
    return system ? *system : *manager->getVersificationSystem("KJV");
}

// libsword treats KJV and KJVA as one numbering of the 66 books.
QString numbering_of(const System& system)
{
    const QString name = QString::fromUtf8(system.getName());
    return name == u"KJVA" ? QStringLiteral("KJV") : name;
}

int verse_max(const System& system, int book, int chap)
{
    const int number = system.getBookNumberByOSISName(std::string(osis_book_name(book)).c_str());
    if (number < 1)
        return 0;
    const sword::VersificationMgr::Book* b = system.getBook(number - 1);
    return chap >= 1 && chap <= b->getChapterMax() ? b->getVerseMax(chap) : 0;
}

// Where `from` puts verse `v` in the numbering of `to`: the first verse of the
// range it maps onto; book 0 for a book outside the 66.
ModuleVerse translated(const System& from, const System& to, ModuleVerse v)
{
    const std::string osis(osis_book_name(v.book));
    const char* book = osis.c_str();
    int verse_end = v.verse;
    from.translateVerse(&to, &book, &v.chap, &v.verse, &verse_end);
    v.book = book_of_osis(book);
    return v;
}

} // namespace

std::vector<MappedVerse> module_verses_in_chapter(const QString& frame_system, const QString& module_system,
                                                  int book, int chap)
{
    const auto lock = sword_lock();
    const System& frame = system_named(frame_system);
    const System& module = system_named(module_system);
    std::vector<MappedVerse> mapped;
    if (numbering_of(frame) == numbering_of(module)) {
        for (int verse = 1; verse <= verse_max(module, book, chap); ++verse)
            mapped.push_back({verse, {book, chap, verse}});
        return mapped;
    }
    // The module chapters that hold verses of this chapter: those its verses
    // map onto.
    std::set<std::pair<int, int>> chapters;
    for (int verse = 1; verse <= verse_max(frame, book, chap); ++verse) {
        const ModuleVerse there = translated(frame, module, {book, chap, verse});
        chapters.insert({there.book, there.chap});
    }
    for (const auto& [module_book, module_chap] : chapters) {
        for (int verse = 1; verse <= verse_max(module, module_book, module_chap); ++verse) {
            const ModuleVerse own{module_book, module_chap, verse};
            const ModuleVerse here = translated(module, frame, own);
            if (here.book == book && here.chap == chap && here.verse >= 0)
                mapped.push_back({here.verse, own});
        }
    }
    return mapped;
}
