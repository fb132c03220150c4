// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_frame.h"

#include "osis_books.h"
#include "sword_lock.h"

#include <versificationmgr.h>

#include <string>

namespace {

const sword::VersificationMgr::System* versification_system(const QString& name)
{
    auto* manager = sword::VersificationMgr::getSystemVersificationMgr();
    const auto* system = manager->getVersificationSystem(name.toUtf8().constData());
    return system ? system : manager->getVersificationSystem("KJV");
}

// The verse counts of the 66 books as `system` numbers them.
VerseCounts counts_of(const sword::VersificationMgr::System& system)
{
    VerseCounts counts(reader_book_count);
    for (int book = 1; book <= reader_book_count; ++book) {
        const int number = system.getBookNumberByOSISName(std::string(osis_book_name(book)).c_str());
        if (number < 1)
            continue;
        const sword::VersificationMgr::Book* b = system.getBook(number - 1);
        for (int chap = 1; chap <= b->getChapterMax(); ++chap)
            counts[std::size_t(book - 1)].push_back(b->getVerseMax(chap));
    }
    return counts;
}

int agreeing_chapters(const VerseCounts& a, const VerseCounts& b)
{
    int agreeing = 0;
    for (std::size_t book = 0; book < a.size() && book < b.size(); ++book)
        for (std::size_t chap = 0; chap < a[book].size() && chap < b[book].size(); ++chap)
            agreeing += a[book][chap] == b[book][chap];
    return agreeing;
}

} // namespace

BibleFrame::BibleFrame(const QString& versification)
{
    const auto lock = sword_lock();
    const auto* system = versification_system(versification);
    versification_ = QString::fromUtf8(system->getName());
    counts_ = counts_of(*system);
}

BibleFrame::BibleFrame(VerseCounts counts) : counts_(std::move(counts)), versification_(best_versification(counts_))
{
}

int BibleFrame::chapter_count(int book) const
{
    if (book < 1 || book > int(counts_.size()))
        return 0;
    return int(counts_[std::size_t(book - 1)].size());
}

int BibleFrame::verse_count(int book, int chap) const
{
    if (chap < 1 || chap > chapter_count(book))
        return 0;
    return counts_[std::size_t(book - 1)][std::size_t(chap - 1)];
}

QString best_versification(const VerseCounts& counts)
{
    const auto lock = sword_lock();
    auto* manager = sword::VersificationMgr::getSystemVersificationMgr();
    QString best = QStringLiteral("KJV");
    int best_agreeing = agreeing_chapters(counts, counts_of(*versification_system(best)));
    for (const sword::SWBuf& name : manager->getVersificationSystems()) {
        const int agreeing = agreeing_chapters(counts, counts_of(*manager->getVersificationSystem(name.c_str())));
        if (agreeing > best_agreeing) {
            best = QString::fromUtf8(name.c_str());
            best_agreeing = agreeing;
        }
    }
    return best;
}
