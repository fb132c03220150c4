// SPDX-License-Identifier: GPL-2.0-or-later
// Links in pages carry commands: GOTO<date>| opens a day, BIBLE|<key>| a
// Bible passage, AUTOR|<aid>| the list of an author's devotionals.

#include "form1.h"

#include "StdUtil.h"
#include "dates.h"
#include "editions/editions_control.h"
#include "html_view.h"
#include "link_address.h"
#include "personal_layer.h"
#include "search_queries.h"

void Form1::WB_NavigateComplete2(int index, const QString& address)
{
    // The three tests are independent: an address may hold several words.
    report_failures([&] {
        if (address.contains(u"GOTO")) {
            // A date that cannot be read never comes from the program's own
            // pages; such a link is ignored.
            const std::optional<QString> text = goto_date_text(address);
            const std::optional<QDate> date = text ? read_user_date(*text) : std::nullopt;
            // A day of another edition (a note's, say) is shown in that
            // edition, with the words its link marks.
            const QString words = state_.suchworte;
            if (date && editions_->show_edition_holding(*date)) {
                state_.suchworte = words;
                state_.actdate = *date;
                show_day(state_.actdate);
            }
        }
        if (address.contains(u"BIBLE")) {
            const QString key = GetToken(address, QStringLiteral("|"), 2);
            if (bible_navigate(key, true, false))
                bible_activate(true);
        }
        if (address.contains(u"AUTOR")) {
            const std::optional<qint64> aid = leading_number(GetToken(address, QStringLiteral("|"), 2));
            if (aid)
                show_book_list(author_query(*aid));
        }
        personal_->follow_link(address);
    });
    if (WB[index]->isVisible())
        WB[index]->setFocus();
}
