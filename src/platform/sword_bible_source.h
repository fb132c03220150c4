// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A SWORD Bible module read in the frame's numbering.

#include "bible_frame.h"
#include "bible_source.h"
#include "sword_library.h"
#include "sword_text.h"

#include <versificationmgr.h>

#include <map>
#include <memory>
#include <optional>
#include <utility>

class SwordManager;
namespace sword {
class SWModule;
} // namespace sword

class SwordBibleSource : public BibleSource {
public:
    // `module` belongs to `manager`, whose filters it is given.
    SwordBibleSource(std::shared_ptr<SwordManager> manager, sword::SWModule& module, BibleModuleInfo info,
                     BibleFrame frame);
    ~SwordBibleSource() override;

    QString name() const override { return info_.name; }
    QString short_name() const override { return info_.short_name; }
    QString description() const override { return info_.description; }
    QString language() const override { return info_.language; }

    bool has_book(int book) override;
    int chapter_count(int book) override;
    // The module verses that map onto each frame verse joined in their order;
    // those that stand before verse 1 (superscriptions) head verse 1.
    std::vector<SourceVerse> chapter(int book, int chap) override;
    QString verse_text(int book, int chap, int verse) override;

private:
    // Moves the module's key to a verse in its own numbering; false for a
    // book its versification lacks.
    bool position(int book, int chap, int verse);
    // The plain text of a verse in the module's numbering. Throws
    // BibleModuleError when its data cannot be read.
    PlainEntry read(int book, int chap, int verse);
    // Whether the index holds any entry of the book.
    bool holds_book(int book);
    void require_data() const;

    std::shared_ptr<SwordManager> manager_;
    sword::SWModule& module_;
    const sword::VersificationMgr::System* system_ = nullptr;
    OptionFilters filters_;
    BibleModuleInfo info_;
    BibleFrame frame_;
    QString versification_;
    std::map<int, bool> books_;
    std::optional<std::pair<std::pair<int, int>, std::vector<SourceVerse>>> last_chapter_;
};
