// SPDX-License-Identifier: GPL-2.0-or-later
// The quick search and the hover preview of Bible links, wired to the window:
// what they open goes the way the page's own links go.

#include "form1.h"

#include "dates.h"
#include "editions/editions_control.h"
#include "html_view.h"
#include "personal_layer.h"
#include "quick_search/link_preview.h"
#include "quick_search/quick_search.h"
#include "startup.h"
#include "translations/translations_control.h"

#include <QTimer>

namespace {

// The books the quick search reads: every usable edition's, in the shelf's
// order (so its days are in date order), and which of them is shown.
struct QuickBooks {
    QStringList paths;
    std::vector<BookDays> days;
    std::vector<qsizetype> editions;  // the shelf's index of each
    int shown = 0;
};

QuickBooks quick_books(const Shelf& shelf, const OpenBook& book)
{
    QuickBooks books;
    for (qsizetype i = 0; i < shelf.editions.size(); ++i) {
        const Edition& edition = shelf.editions[i];
        if (!edition.usable)
            continue;
        if (i == shelf.shown)
            books.shown = static_cast<int>(books.paths.size());
        books.paths.append(edition.parts.book_file);
        books.days.push_back({edition.firstdate, edition.lastdate});
        books.editions.push_back(i);
    }
    if (books.paths.isEmpty() || shelf.shown < 0)
        books = {{book.files.book_file}, {{book.firstdate, book.lastdate}}, {shelf.shown}, 0};
    return books;
}

} // namespace

void Form1::wire_quick_search()
{
    const auto sources = [this] {
        QuickBooks books = quick_books(editions_->shelf(), *state_.book);
        auto [translations, library] = translations_->searched_modules();
        return QuickSearch::Sources{books.paths, state_.book->files.bible_file, bible_connect(),
                                    state_.book->lists.buecher, BookYears(std::move(books.days), books.shown),
                                    [this] { return personal_->notes(); }, translations, library};
    };
    quick_ = new QuickSearch(this, sources());
    connect(editions_, &EditionsControl::changed, quick_, [this, sources] { quick_->set_sources(sources()); });
    connect(translations_, &TranslationsControl::changed, quick_, [this, sources] { quick_->set_sources(sources()); });
    connect(quick_, &QuickSearch::day_chosen, this, [this](QDate day, int found_in, const QString& words) {
        // A day of another edition is shown in that edition.
        const std::vector<qsizetype> editions = quick_books(editions_->shelf(), *state_.book).editions;
        const qsizetype edition = found_in >= 0 && found_in < int(editions.size()) ? editions[found_in]
                                                                                  : editions_->edition_holding(day);
        if (edition >= 0 && edition != editions_->shelf().shown && !editions_->change_to(edition, day))
            return;
        if (bible_mode())
            bible_activate(false);
        state_.suchworte = words;
        WB_NavigateComplete2(0, QStringLiteral("GOTO") + format_short_date(day) + u'|');
    });
    connect(quick_, &QuickSearch::passage_chosen, this,
            [this](const QString& key) { WB_NavigateComplete2(1, QStringLiteral("BIBLE|") + key + u'|'); });
    // A reader at the window finds the index ready at the first key; a
    // scripted session builds it only when a line needs it.
    if (settings_.messages == MessageBoxes::Mode::Show)
        QTimer::singleShot(std::chrono::seconds(1), quick_, &QuickSearch::start_index);
    // The preview reads the main translation, as the chapter it opens shows it first.
    auto* preview = new LinkPreview(this, [this](const QString& key) {
        return translations_->passage(*state_.book, key).value_or(quick_->passage(key));
    });
    for (HtmlView* view : WB)
        preview->watch(view);
}
