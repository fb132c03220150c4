// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editions of the data folder, and the one open: the reader's shelf.

#include "edition.h"
#include "open_book.h"

#include <QDate>
#include <QString>

#include <memory>

struct Shelf {
    QString data_folder;
    Editions editions;
    qsizetype shown = -1;  // the open one's index; -1 before one is open

    const Edition* shown_edition() const { return shown >= 0 && shown < editions.size() ? &editions[shown] : nullptr; }
};

struct OpenedShelf {
    Shelf shelf;
    std::unique_ptr<OpenBook> book;
};

// The editions of `data_folder`, with the one for `today` opened as start-up
// opens it. Without a usable edition, the first listed (or the folder's own
// parts) is opened all the same, so that its failure is the one reported.
// Throws StartupError as open_book does.
OpenedShelf open_shelf(const QString& data_folder, QDate today, const Database::QueryObserver& observer = {});

// Edition `edition` opened as start-up opens one. Throws StartupError.
std::unique_ptr<OpenBook> open_edition(const Edition& edition, const Database::QueryObserver& observer = {});
