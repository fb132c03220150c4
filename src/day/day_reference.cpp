// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_reference.h"

#include "dates.h"

QString day_reference(QDate date)
{
    return QStringLiteral("Selunar 2024, ") + format_long_date(date);
}
