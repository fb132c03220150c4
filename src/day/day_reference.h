// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDate>
#include <QString>

// The book's name for an edition of `year`: "Selunar 2025".
QString book_title(int year);

// The source of a passage copied from the day page of `date` in the book
// named `title`: "Selunar 2024, Dienstag, 5. März 2024".
QString day_reference(const QString& title, QDate date);
