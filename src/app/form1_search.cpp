// SPDX-License-Identifier: GPL-2.0-or-later
// The search panel and the five searches it starts.

#include "form1.h"

#include "current_date.h"
#include "dates.h"
#include "picture_button.h"
#include "query_parsing.h"
#include "search_queries.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void Form1::showsuche(int mode)
{
    state_.suchmode = mode;
    const QList<QWidget*> book_only = {SBst, SBer, sDatum, sAutor, inpbibel, inpbereich, inpautor, inpdatum};
    if (mode == 1) {
        SL->setText(QStringLiteral("Suche in \"Selunar\""));
        for (QWidget* widget : book_only)
            widget->show();
        for (const CommandRow& row : command_table())
            if (row.group == ButtonGroup::book_go)
                button(row.command)->show();
    } else if (mode == 2) {
        SL->setText(QStringLiteral("Suche in der Bibel"));
        for (QWidget* widget : book_only)
            widget->hide();
        for (const CommandRow& row : command_table()) {
            if (row.group == ButtonGroup::book_go) {
                button(row.command)->hide();
                twin(row.command)->hide();
            }
        }
    }
    // The panel's heading names what the window shows.
    refresh_title();
}

void Form1::search_full_text()
{
    const QString text = inpvolltext->text();
    if (text.isEmpty())
        return;
    // Input without any word (only blanks or punctuation) is taken like an
    // empty field: there is nothing to search for.
    if (state_.suchmode == 1) {
        const SearchCondition thema = parsesql(QStringLiteral("thema"), text);
        if (thema.condition.isEmpty())
            return;
        const SearchCondition body = parsesql(QStringLiteral("text"), text);
        state_.suchworte = body.suchworte;
        show_book_list(book_full_text_query(thema.condition, body.condition));
    } else if (state_.suchmode == 2) {
        const SearchCondition verse = parsesql(QStringLiteral("Bible_text"), text);
        if (verse.condition.isEmpty())
            return;
        state_.suchworte = verse.suchworte;
        show_bible_list(bible_full_text_query(verse.condition));
    }
}

void Form1::search_bible_reference()
{
    const QString text = inpbibel->currentText();
    if (text.isEmpty())
        return;
    show_book_list(reference_query(text));
}

void Form1::search_topic_area()
{
    const int chosen = inpbereich->currentIndex();
    if (chosen == -1)
        return;
    const Bereiche& bereiche = state_.book->lists.bereiche;
    for (std::size_t id = 1; id < bereiche.size(); ++id) {
        if (bereiche[id].position == chosen + 1)
            show_book_list(topic_query(static_cast<qint64>(id)));
    }
}

void Form1::search_date()
{
    // Day and month alone mean that day of the book's year.
    const std::optional<QDate> date = read_date_field(inpdatum->text(), state_.book->firstdate.year());
    if (!date) {
        show_message(QStringLiteral("Bitte geben Sie das Datum im Format ")
                     + format_short_date(settings_.today()) + QStringLiteral(" ein"));
        return;
    }
    if (setactdate(state_.actdate, QDateTime(*date, QTime(0, 0), Qt::UTC), state_.book->firstdate, state_.book->lastdate,
                   [this](const QString& text) { show_message(text); }))
        show_day(state_.actdate);
}

void Form1::search_author()
{
    const int chosen = inpautor->currentIndex();
    if (chosen == -1)
        return;
    show_book_list(author_query(inpautor->itemData(chosen).toInt()));
}
