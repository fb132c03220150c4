// SPDX-License-Identifier: GPL-2.0-or-later
// Showing pages: the page builders' texts written into the views, and what
// happens when a page cannot be built.

#include "form1.h"

#include "bible_result_list.h"
#include "companion/companion.h"
#include "current_date.h"
#include "dates.h"
#include "editions/editions_control.h"
#include "day_page.h"
#include "html_view.h"
#include "personal_layer.h"
#include "result_list.h"
#include "search_queries.h"

#include <cstdio>

namespace {

// A cause can carry a whole statement, and one built from a search text of
// a thousand words is tens of thousands of characters long: the message box
// keeps its start (what failed) and its end (the database's reason).
QString shortened_cause(const QString& cause)
{
    constexpr qsizetype kept = 400;
    if (cause.size() <= 2 * kept + 3)
        return cause;
    // Never cut between the two halves of a character outside the BMP.
    const qsizetype head = cause.at(kept - 1).isHighSurrogate() ? kept - 1 : kept;
    const qsizetype tail = cause.at(cause.size() - kept).isLowSurrogate() ? kept - 1 : kept;
    return cause.left(head) + QStringLiteral(" … ") + cause.right(tail);
}

} // namespace

void Form1::show_day(QDate datum)
{
    show_page(0,
              loadday(datum, *state_.book->rsQov, *state_.book->db, state_.book->tplday, state_.book->tplbibelst, state_.book->lists.bereiche,
                      state_.suchworte),
              {ShownPage::Kind::day, format_long_date(datum), datum, 0, 0});
    state_.suchworte.clear();
    companion_->day_shown(datum);
}

void Form1::show_book_list(const SearchQuery& query)
{
    // The words stay marked on the day opened from the list.
    const ListedPage list = book_result_list(*state_.book->db, query.sql, query.cap, state_.book->tplliste,
                                             state_.book->lists.bereiche, state_.suchworte);
    show_page(0, list.page, ShownPage::named(result_title(list, query.cap)));
}

void Form1::show_bible_list(const SearchQuery& query)
{
    const ListedPage list = bible_result_list(*state_.book->bibeldb, query.sql, query.cap, state_.book->tplbibelliste,
                                              state_.book->lists.buecher, state_.suchworte);
    show_page(1, list.page, ShownPage::named(result_title(list, query.cap)));
    state_.suchworte.clear();
}

void Form1::go_to_today()
{
    // Today's page is in today's edition, whichever one is shown.
    const qsizetype today = editions_->todays_edition();
    if (today >= 0 && today != editions_->shelf().shown && !editions_->change_to(today))
        return;
    if (const std::optional<QDate> day = companion_->todays_book_day())
        state_.actdate = *day;
    else
        setactdate(state_.actdate, QDateTime(settings_.today(), QTime(0, 0), Qt::UTC), state_.book->firstdate,
                   state_.book->lastdate, [this](const QString& text) { show_message(text); });
    show_day(state_.actdate);
}

void Form1::show_page(int view, const QString& page, ShownPage shown)
{
    WB[view]->write_page(page);
    if (view == 0) {
        personal_->page_shown(shown.kind == ShownPage::Kind::day ? shown.day : QDate());
        editions_->page_shown(shown.kind == ShownPage::Kind::day ? shown.day : QDate());
    }
    shown_[view] = std::move(shown);
    WB[view]->show();
    WB[1 - view]->hide();
    refresh_title();
}

void Form1::show_message(const QString& text)
{
    messages_.show(this, text);
}

void Form1::report_failures(const std::function<void()>& work)
{
    // A page that cannot be built (a query the database rejects, a damaged
    // file) leaves the current page in place; the user is told why.
    try {
        work();
    } catch (const std::exception& e) {
        const QString cause = QString::fromStdString(e.what());
        const QString shown = shortened_cause(cause);
        if (shown.size() != cause.size())
            std::fprintf(stderr, "Die Seite kann nicht gezeigt werden:\n%s\n", e.what());
        show_message(QStringLiteral("Die Seite kann nicht gezeigt werden:\n") + shown);
    }
}
