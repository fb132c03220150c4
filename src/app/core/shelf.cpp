// SPDX-License-Identifier: GPL-2.0-or-later
#include "shelf.h"

#include "edition_choice.h"
#include "find_editions.h"
#include "startup.h"

std::unique_ptr<OpenBook> open_edition(const Edition& edition, const Database::QueryObserver& observer)
{
    return open_book(edition.folder, edition.parts, observer);
}

OpenedShelf open_shelf(const QString& data_folder, QDate today, const Database::QueryObserver& observer)
{
    OpenedShelf opened;
    opened.shelf.data_folder = data_folder;
    opened.shelf.editions = find_editions(data_folder);
    const Editions& editions = opened.shelf.editions;
    if (editions.isEmpty()) {
        opened.book = open_book(data_folder, observer);
        return opened;
    }
    const qsizetype chosen = edition_for_date(editions, today).value_or(0);
    opened.book = open_edition(editions[chosen], observer);
    opened.shelf.shown = chosen;
    return opened;
}
