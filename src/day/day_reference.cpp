// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_reference.h"

#include "dates.h"

QString book_title(int year)
{
    return QStringLiteral("Selunar %1").arg(year);
}

QString day_reference(const QString& title, QDate date)
{
    return title + QStringLiteral(", ") + format_long_date(date);
}
