// SPDX-License-Identifier: GPL-2.0-or-later
// The reader's own layer, told what the window shows.

#include "form1.h"

#include "editions/editions_control.h"
#include "html_view.h"
#include "personal_layer.h"
#include "verse_reference.h"

#include <QTextCursor>

void Form1::create_personal()
{
    PersonalHost host;
    host.window = this;
    host.day_view = WB[0];
    host.state = &state_;
    host.today = settings_.today;
    host.show_page = [this](const QString& page, const QString& title) {
        if (bible_mode())
            bible_activate(false);
        show_page(0, page, ShownPage::named(title));
    };
    host.verse = [this](int verse, int position) -> std::optional<Target> {
        const ShownPage& shown = shown_[1];
        std::optional<VerseRange> range =
            verse_range(1, verse, position >= 0 ? position : WB[1]->textCursor().position());
        if (!range && position < 0)
            if (const std::optional<QString> top = WB[1]->top_anchor())
                range = verse_range(1, verse_of_anchor(*top).value_or(0));
        if (!range)
            return std::nullopt;
        return Target::verse(shown.book, shown.chap, range->verse);
    };
    host.show_verse = [this](const QString& key) { report_failures([&] { bible_navigate(key, false); }); };
    host.message = [this](const QString& text) { show_message(text); };
    host.other_years = [this] {
        std::vector<int> years;
        const Shelf& shelf = editions_->shelf();
        for (qsizetype i = 0; i < shelf.editions.size(); ++i)
            if (i != shelf.shown && shelf.editions[i].usable && !std::count(years.begin(), years.end(), shelf.editions[i].year))
                years.push_back(shelf.editions[i].year);
        return years;
    };
    host.change_edition = [this](int year) {
        const qsizetype edition = editions_->edition_of_year(year);
        return edition >= 0 && (edition == editions_->shelf().shown || editions_->change_to(edition));
    };
    personal_ = std::make_unique<PersonalLayer>(std::move(host), settings_.personal_file);
}
