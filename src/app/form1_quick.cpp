// SPDX-License-Identifier: GPL-2.0-or-later
// The quick search and the hover preview of Bible links, wired to the window:
// what they open goes the way the page's own links go.

#include "form1.h"

#include "dates.h"
#include "html_view.h"
#include "personal_layer.h"
#include "quick_search/link_preview.h"
#include "quick_search/quick_search.h"
#include "startup.h"

#include <QTimer>

void Form1::wire_quick_search()
{
    quick_ = new QuickSearch(this, {{state_.book->db->path()}, state_.book->bibeldb->path(), bible_connect(),
                                    state_.book->lists.buecher, BookDays{state_.book->firstdate, state_.book->lastdate},
                                    [this] { return personal_->notes(); }});
    connect(quick_, &QuickSearch::day_chosen, this, [this](QDate day, int, const QString& words) {
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
    auto* preview = new LinkPreview(this, [this](const QString& key) { return quick_->passage(key); });
    for (HtmlView* view : WB)
        preview->watch(view);
}
