// SPDX-License-Identifier: GPL-2.0-or-later
// Filling the four lists of the open book.

#include "form1.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QtGlobal>

namespace {

void add_entries(QComboBox* list, const std::vector<ListEntry>& entries, bool with_data)
{
    for (const ListEntry& entry : entries)
        list->addItem(entry.text, with_data ? entry.data : QVariant());
    // Like the lists the user knows, nothing is chosen until the user chooses.
    list->setCurrentIndex(-1);
}

} // namespace

void Form1::fill_lists()
{
    // No list event may run while the lists are built: nothing is shown yet.
    const QSignalBlocker block_books(books);
    const QSignalBlocker block_bibel(inpbibel);
    const QSignalBlocker block_bereich(inpbereich);
    const QSignalBlocker block_autor(inpautor);

    // Another edition brings lists of its own.
    for (QComboBox* list : {inpbereich, inpbibel, books, inpautor})
        list->clear();
    add_entries(inpbereich, state_.book->lists.inpbereich, false);
    add_entries(inpbibel, state_.book->lists.inpbibel, false);
    add_entries(books, state_.book->lists.books, false);
    add_entries(inpautor, state_.book->lists.inpautor, true);

    for (const QString& problem : state_.book->lists.problems)
        qWarning().noquote() << "Lookup lists:" << problem;
}
