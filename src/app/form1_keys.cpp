// SPDX-License-Identifier: GPL-2.0-or-later
// The keyboard: window-wide actions that run the buttons' commands of the
// current mode, zoom both views, copy, print, and the colour set that follows
// the desktop's palette.

#include "form1.h"

#include "companion/companion.h"
#include "html_view.h"
#include "page_zoom.h"
#include "read_aloud.h"
#include "speakable_text.h"
#include "personal_layer.h"
#include "quick_search/quick_search.h"
#include "translations/translations_control.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>

void Form1::create_actions()
{
    for (const KeyCommandRow& row : key_command_table()) {
        auto* action = new QAction(QString::fromUtf8(row.text), this);
        action->setShortcuts(key_sequences(row));
        const KeyCommand command = row.command;
        connect(action, &QAction::triggered, this, [this, command] { run_key_command(command); });
        addAction(action);
        key_actions_[command] = action;
    }
    // Scripted sessions note what would be said instead of saying it.
    const bool scripted = settings_.messages == MessageBoxes::Mode::Record;
    read_aloud_ = new ReadAloud([scripted] { return make_speech_engine(scripted); },
                                [this](const QString& text) { show_message(text); }, this);
    for (HtmlView* view : WB)
        connect(view, &HtmlView::zoom_requested, this, [this](int steps) { set_zoom(zoom_step(zoom_, steps)); });
}

void Form1::run_key_command(KeyCommand command)
{
    const bool bible = bible_mode();
    const auto click = [this](Command button) { but_Click(button_number(button)); };
    switch (command) {
    case KeyCommand::previous:
        click(bible ? Command::previous_chapter : Command::previous_day);
        break;
    case KeyCommand::next:
        click(bible ? Command::next_chapter : Command::next_day);
        break;
    case KeyCommand::today:
        if (bible)
            bible_activate(false);
        click(Command::today);
        break;
    case KeyCommand::find:
        click(bible ? Command::bible_search_panel : Command::book_search_panel);
        inpvolltext->setFocus();
        inpvolltext->selectAll();
        break;
    case KeyCommand::back:
        if (read_aloud_->stop())
            break;
        if (quick_ && quick_->close_search()) {
            if (HtmlView* view = visible_view())
                view->setFocus();
            break;
        }
        // Only the search panel has a page to go back to.
        if (WB[0]->isHidden() && WB[1]->isHidden()) {
            WB[bible ? 1 : 0]->show();
            WB[bible ? 1 : 0]->setFocus();
        }
        break;
    case KeyCommand::help:
        click(bible ? Command::bible_help : Command::help);
        break;
    case KeyCommand::bible:
        click(bible ? Command::close_bible : Command::open_bible);
        break;
    case KeyCommand::quit:
        companion_->quit();
        break;
    case KeyCommand::zoom_in:
        set_zoom(zoom_step(zoom_, 1));
        break;
    case KeyCommand::zoom_out:
        set_zoom(zoom_step(zoom_, -1));
        break;
    case KeyCommand::zoom_reset:
        set_zoom(100);
        break;
    case KeyCommand::copy:
        copy_selection();
        break;
    case KeyCommand::print:
        print_page();
        break;
    case KeyCommand::save_pdf:
        ask_pdf();
        break;
    case KeyCommand::read_aloud:
        if (!read_aloud_->stop())
            read_aloud_->start(visible_view(), book_names(state_.book->lists.buecher),
                               visible_view() == WB[1] ? translations_->page_voices() : std::vector<SpokenColumn>());
        break;
    case KeyCommand::star_day:
    case KeyCommand::mark_read:
    case KeyCommand::progress:
    case KeyCommand::note:
    case KeyCommand::my_notes:
        personal_->run_key_command(command);
        break;
    case KeyCommand::quick_search:
        if (quick_)
            quick_->open();
        break;
    case KeyCommand::settings:
        companion_->open_settings();
        break;
    case KeyCommand::edition:
    case KeyCommand::edition_earlier:
    case KeyCommand::edition_later:
        run_edition_command(command);
        break;
    case KeyCommand::translation:
        run_translation_command();
        break;
    }
}

void Form1::set_zoom(int percent)
{
    zoom_ = percent;
    present_pages();
}

bool Form1::dark_desktop() const
{
    // A desktop is dark when its windows are darker than their text.
    const QPalette palette = QApplication::palette();
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

void Form1::present_pages()
{
    const bool dark = dark_desktop();
    for (HtmlView* view : WB)
        view->set_presentation(zoom_, dark);
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The views exist once the controls are made; the palette changes before too.
    const bool palette = event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange;
    if (palette && WB[1]) {
        colour_strip();
        present_pages();
    }
}
