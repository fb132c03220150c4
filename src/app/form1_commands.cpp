// SPDX-License-Identifier: GPL-2.0-or-later
// The picture buttons' commands and the input fields that run them.

#include "form1.h"

#include "html_view.h"
#include "wait_cursor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int enter_key = 13;
}

void Form1::but_Click(int Index)
{
    WaitCursor wait;
    const CommandRow* row = command_row(Index % 100);
    if (!row)
        return;
    report_failures([this, row] { run_command(row->command); });
}

void Form1::run_command(Command command)
{
    switch (command) {
    case Command::previous_day:
        if (state_.actdate > state_.book->firstdate)
            state_.actdate = state_.actdate.addDays(-1);
        show_day(state_.actdate);
        break;
    case Command::next_day:
        if (state_.actdate < state_.book->lastdate)
            state_.actdate = state_.actdate.addDays(1);
        show_day(state_.actdate);
        break;
    case Command::today:
        go_to_today();
        break;
    case Command::book_search_panel:
    case Command::bible_search_panel:
        WB[0]->hide();
        WB[1]->hide();
        showsuche(command == Command::book_search_panel ? 1 : 2);
        break;
    case Command::imprint:
        show_page(0, state_.book->tpl_impressum, ShownPage::named(QStringLiteral("Impressum")));
        break;
    case Command::help:
        show_page(0, state_.book->tplhilfe, ShownPage::named(QStringLiteral("Hilfe")));
        break;
    case Command::bible_imprint:
        show_page(1, state_.book->tpl_impressum, ShownPage::named(QStringLiteral("Impressum")));
        break;
    case Command::bible_help:
        show_page(1, state_.book->tplhilfe, ShownPage::named(QStringLiteral("Hilfe")));
        break;
    case Command::full_text_search:
        search_full_text();
        break;
    case Command::reference_search:
        search_bible_reference();
        break;
    case Command::topic_search:
        search_topic_area();
        break;
    case Command::date_search:
        search_date();
        break;
    case Command::author_search:
        search_author();
        break;
    case Command::open_bible:
        bible_navigate(state_.actbcv, false, false);
        bible_activate(true);
        break;
    case Command::close_bible:
        bible_activate(false);
        show_day(state_.actdate);
        break;
    case Command::previous_book:
        step_list(books, -1);
        break;
    case Command::next_book:
        step_list(books, +1);
        break;
    case Command::previous_chapter:
        step_list(chaps, -1);
        break;
    case Command::next_chapter:
        step_list(chaps, +1);
        break;
    }
}

void Form1::step_list(QComboBox* list, int step)
{
    // The list's own change event shows the new book or chapter.
    const int index = list->currentIndex();
    if (step < 0 && index > 0)
        list->setCurrentIndex(index - 1);
    else if (step > 0 && index < list->count() - 1)
        list->setCurrentIndex(index + 1);
}

void Form1::inpautor_Click()
{
    but_Click(button_number(Command::author_search));
}

void Form1::inpbereich_Click()
{
    but_Click(button_number(Command::topic_search));
}

void Form1::inpbibel_Click()
{
    but_Click(button_number(Command::reference_search));
}

void Form1::inpdatum_KeyPress(int KeyAscii)
{
    if (KeyAscii == enter_key)
        but_Click(button_number(Command::date_search));
}

void Form1::inpvolltext_KeyPress(int KeyAscii)
{
    if (KeyAscii == enter_key)
        but_Click(button_number(Command::full_text_search));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const bool view = watched == WB[0] || watched == WB[1];
    if (view && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        views_changed();
    if (event->type() != QEvent::KeyPress || (watched != inpdatum && watched != inpvolltext))
        return QWidget::eventFilter(watched, event);

    // The character code of the key, as a key-press event reports it; keys
    // without a character (arrows, function keys) raise no such event.
    const auto* key = static_cast<QKeyEvent*>(event);
    int KeyAscii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        KeyAscii = enter_key;
    else if (!key->text().isEmpty())
        KeyAscii = key->text().at(0).unicode();
    if (KeyAscii != 0) {
        if (watched == inpdatum)
            inpdatum_KeyPress(KeyAscii);
        else
            inpvolltext_KeyPress(KeyAscii);
    }
    // The key is not swallowed: the field still gets it.
    return false;
}
