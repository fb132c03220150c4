// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up: Form_Load before the window is shown, Form_Activate once it is.

#include "form1.h"

#include "companion/companion.h"
#include "editions/editions_control.h"
#include "html_view.h"
#include "personal_layer.h"
#include "shelf.h"

#include <QCoreApplication>
#include <QFrame>

void Form1::Form_Load()
{
    size_window_at_start();

    headline[0]->show();
    headline[1]->hide();
    layout_.headline1.top = 0;

    WB[0]->navigate_blank();
    WB[1]->navigate_blank();
    place_views_at_start(layout_, scale_.twips_x(width()), scale_.twips_y(height()));
    apply_layout();

    OpenedShelf opened = open_shelf(settings_.apppath, settings_.today(),
                                    [this](const QString& source) { queries_.append(source); });
    state_.book = std::move(opened.book);
    create_editions(std::move(opened.shelf));
    fill_lists();
    restore_place();
    present_pages();
    wire_quick_search();
}

void Form1::Form_Activate()
{
    show();
    QCoreApplication::processEvents();
    fit_outer_size();
    personal_->open();
    editions_->tell_missing_year();
    companion_->start(state_.book->firstdate, state_.book->lastdate);

    report_failures([this] {
        go_to_today();
        bible_navigate(state_.actbcv, false, true);
    });
    WB[1]->hide();
    if (restore_bible_mode_)
        bible_activate(true);
    // The keys move, scroll and copy in the page the reader sees first.
    if (HtmlView* view = visible_view())
        view->setFocus();
}
