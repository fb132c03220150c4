// SPDX-License-Identifier: GPL-2.0-or-later
// The editions of the book, wired to the window: the open book replaced
// whole on a change, the same calendar day and the same Bible position shown
// in the new one, and the keys and menus that change it.

#include "form1.h"

#include "companion/companion.h"
#include "editions/editions_control.h"
#include "html_view.h"

#include <array>

#include <QMenu>

void Form1::create_editions(Shelf shelf)
{
    EditionsHost host;
    host.window = this;
    host.day_view = WB[0];
    host.state = &state_;
    host.today = settings_.today;
    host.kept = settings_.kept;
    host.user_data_folder = settings_.user_data_folder;
    host.replace_book = [this](std::unique_ptr<OpenBook> book, QStringList record, QDate day) {
        replace_book(std::move(book), std::move(record), day);
    };
    host.message = [this](const QString& text) { show_message(text); };
    host.ask = [this](const QString& text) { return messages_.ask(this, text); };
    editions_ = new EditionsControl(std::move(host), std::move(shelf));
    // Today's book may be another one after an edition is added.
    connect(editions_, &EditionsControl::changed, this, [this] {
        const Shelf& shelf = editions_->shelf();
        const qsizetype today = editions_->todays_edition();
        if (today >= 0)
            companion_->book_changed(shelf.editions[today].firstdate, shelf.editions[today].lastdate);
    });
}

void Form1::replace_book(std::unique_ptr<OpenBook> book, QStringList record, QDate day)
{
    // The reader goes on seeing the view (or the search panel) seen before.
    const std::array<bool, 2> shown{!WB[0]->isHidden(), !WB[1]->isHidden()};
    // The record is of the databases now open, from their lookup lists on.
    queries_ = std::move(record);
    const auto observe = [this](const QString& source) { queries_.append(source); };
    book->db->setQueryObserver(observe);
    book->bibeldb->setQueryObserver(observe);
    state_.book = std::move(book);
    fill_lists();

    state_.actdate = day;
    // The Bible keeps its place where the new Bible has it, else starts at
    // its beginning; either way no chapter of the other Bible stays shown.
    report_failures([this] {
        if (!bible_navigate(state_.actbcv, false, true))
            bible_navigate(QStringLiteral("1_1_0"), false, true);
    });
    report_failures([this, day] { show_day(day); });
    for (int view : {0, 1})
        WB[view]->setVisible(shown[view]);
    views_changed();
}

void Form1::run_edition_command(KeyCommand command)
{
    switch (command) {
    case KeyCommand::edition: {
        // The menu opens over the page, where the keyboard is.
        QMenu menu(this);
        editions_->fill_menu(menu);
        const HtmlView* view = visible_view();
        menu.exec(view ? view->mapToGlobal(QPoint(20, 20)) : mapToGlobal(QPoint(20, 20)));
        break;
    }
    case KeyCommand::edition_earlier:
        editions_->step(-1);
        break;
    case KeyCommand::edition_later:
        editions_->step(1);
        break;
    default:
        break;
    }
}
