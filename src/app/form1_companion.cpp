// SPDX-License-Identifier: GPL-2.0-or-later
// The daily companion's ties to the window: the pages it asks for and the
// guiding verses it reads.

#include "form1.h"

#include "autostart_entry.h"
#include "companion/companion.h"

void Form1::create_companion()
{
    Companion::Hooks hooks;
    hooks.today = settings_.today;
    hooks.verse = [this](QDate day) {
        // A tool tip or a reminder without its verse is better than none.
        try {
            return day_verse(day, *state_.book->rsQov);
        } catch (const std::exception&) {
            return DayVerse{};
        }
    };
    hooks.title = [this] { return state_.book->title(); };
    hooks.show_day = [this](QDate day) {
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
