// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_bible_source.h"

#include "osis_books.h"
#include "sword_lock.h"
#include "sword_manager.h"
#include "sword_text.h"
#include "sword_verse_map.h"

#include <QFileInfo>

#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <string>

namespace {

void append(QString& to, const QString& part, QChar separator)
{
    if (part.isEmpty())
        return;
    if (!to.isEmpty())
        to += separator;
    to += part;
}

} // namespace

SwordBibleSource::SwordBibleSource(std::shared_ptr<SwordManager> manager, sword::SWModule& module,
                                   BibleModuleInfo info, BibleFrame frame)
    : manager_(std::move(manager)), module_(module), info_(std::move(info)), frame_(std::move(frame))
{
    const auto lock = sword_lock();
    filters_ = manager_->filters().filters_for(module_);
    const auto& key = static_cast<const sword::VerseKey&>(*module_.getKey());
    versification_ = QString::fromUtf8(key.getVersificationSystem());
    system_ = sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(
        key.getVersificationSystem());
}

SwordBibleSource::~SwordBibleSource()
{
    const auto lock = sword_lock();
    manager_.reset();
}

bool SwordBibleSource::has_book(int book)
{
    const auto lock = sword_lock();
    return holds_book(book);
}

int SwordBibleSource::chapter_count(int book)
{
    return has_book(book) ? frame_.chapter_count(book) : 0;
}

std::vector<SourceVerse> SwordBibleSource::chapter(int book, int chap)
{
    const auto lock = sword_lock();
    if (last_chapter_ && last_chapter_->first == std::pair{book, chap})
        return last_chapter_->second;
    require_data();
    std::map<int, SourceVerse> verses;
    for (const MappedVerse& mapped :
         module_verses_in_chapter(frame_.versification(), versification_, book, chap)) {
        const PlainEntry entry = read(mapped.verse.book, mapped.verse.chap, mapped.verse.verse);
        // What stands before verse 1 is the chapter's superscription.
        const int number = std::max(mapped.frame_verse, 1);
        SourceVerse& verse = verses[number];
        verse.number = number;
        append(verse.heading, entry.heading, u'\n');
        if (mapped.frame_verse == 0)
            append(verse.heading, entry.text, u'\n');
        else
            append(verse.text, entry.text, u' ');
    }
    std::vector<SourceVerse> found;
    for (auto& [number, verse] : verses)
        if (!verse.text.isEmpty() || !verse.heading.isEmpty())
            found.push_back(std::move(verse));
    last_chapter_.emplace(std::pair{book, chap}, found);
    return found;
}

QString SwordBibleSource::verse_text(int book, int chap, int verse)
{
    for (const SourceVerse& v : chapter(book, chap))
        if (v.number == verse)
            return v.text;
    return {};
}

bool SwordBibleSource::position(int book, int chap, int verse)
{
    const int number = system_->getBookNumberByOSISName(std::string(osis_book_name(book)).c_str());
    if (number < 1)
        return false;
    // The module's own key is moved, as a copy given to setKey would be made
    // and dropped for every verse.
    auto& key = static_cast<sword::VerseKey&>(*module_.getKey());
    const int old_testament_books = system_->getBMAX()[0];
    key.setTestament(number <= old_testament_books ? 1 : 2);
    key.setBook(char(number <= old_testament_books ? number : number - old_testament_books));
    key.setChapter(chap);
    key.setVerse(verse);
    return true;
}

PlainEntry SwordBibleSource::read(int book, int chap, int verse)
{
    if (!position(book, chap, verse))
        return {};
    PlainEntry entry = plain_entry(module_, filters_);
    if (entry.unreadable)
        throw BibleModuleError(
            QStringLiteral("Das Modul %1 ist beschädigt: Sein Text lässt sich nicht lesen.").arg(info_.short_name)
                .toStdString());
    return entry;
}

bool SwordBibleSource::holds_book(int book)
{
    if (const auto known = books_.find(book); known != books_.end())
        return known->second;
    require_data();
    const int number = system_->getBookNumberByOSISName(std::string(osis_book_name(book)).c_str());
    bool found = false;
    if (number >= 1) {
        const sword::VersificationMgr::Book* b = system_->getBook(number - 1);
        for (int chap = 1; chap <= b->getChapterMax() && !found; ++chap)
            for (int verse = 1; verse <= b->getVerseMax(chap) && !found; ++verse) {
                position(book, chap, verse);
                module_.getRawEntryBuf();
                found = module_.getEntrySize() > 0;
            }
    }
    books_[book] = found;
    return found;
}

void SwordBibleSource::require_data() const
{
    const char* data_path = module_.getConfigEntry("AbsoluteDataPath");
    if (!data_path || !QFileInfo(QFile::decodeName(data_path)).isDir())
        throw BibleModuleError(QStringLiteral("Das Modul %1 ist nicht mehr lesbar: Seine Dateien fehlen.")
                                   .arg(info_.short_name)
                                   .toStdString());
}
