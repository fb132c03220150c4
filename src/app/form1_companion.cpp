// SPDX-License-Identifier: GPL-2.0-or-later
// The daily companion's ties to the window: the pages it asks for and the
// guiding verses it reads.

#include "form1.h"

#include "autostart_entry.h"
#include "companion/companion.h"
#include "day_reference.h"
#include "editions/editions_control.h"

void Form1::create_companion()
{
    Companion::Hooks hooks;
    hooks.today = settings_.today;
    // The companion speaks of today's edition, whichever one the reader has open.
    hooks.verse = [this](QDate day) {
        // A tool tip or a reminder without its verse is better than none.
        try {
            return editions_->todays_verse(day);
        } catch (const std::exception&) {
            return DayVerse{};
        }
    };
    hooks.title = [this] {
        const Shelf& shelf = editions_->shelf();
        const qsizetype today = editions_->todays_edition();
        return today >= 0 && today != shelf.shown ? book_title(shelf.editions[today].year) : state_.book->title();
    };
    hooks.notice = [this] { return editions_->take_reminder_notice(); };
    hooks.edition_menu = [this](QMenu& menu) { editions_->fill_menu(menu); };
    hooks.add_edition = [this] { editions_->ask_add(); };
    hooks.show_day = [this](QDate day) {
        // The reminder's day is shown in its own edition.
        if (!editions_->show_edition_holding(day))
            return;
        report_failures([this, day] {
            if (bible_mode())
                bible_activate(false);
            state_.actdate = day;
            show_day(day);
        });
    };
    hooks.show_today = [this] { run_key_command(KeyCommand::today); };
    hooks.show_bible = [this] {
        if (!bible_mode())
            run_key_command(KeyCommand::bible);
    };
    hooks.message = [this](const QString& text) { show_message(text); };
    // A scripted session without a settings file leaves the desktop's autostart alone.
    companion_ = new Companion(*this, settings_.kept, settings_.kept ? autostart_path() : QString(), std::move(hooks));
}
