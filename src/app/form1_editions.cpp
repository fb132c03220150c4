// SPDX-License-Identifier: GPL-2.0-or-later
// Another edition of the book: the open book is replaced whole, and the
// window shows the same calendar day and the same Bible position in it.

#include "form1.h"

#include "html_view.h"

void Form1::replace_book(std::unique_ptr<OpenBook> book, QStringList record, QDate day)
{
    const bool in_bible = bible_mode();
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
    if (!bible_navigate(state_.actbcv, false, true))
        bible_navigate(QStringLiteral("1_1_0"), false, true);
    show_day(day);
    if (in_bible)
        bible_activate(true);
}
