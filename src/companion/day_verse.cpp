// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_verse.h"

#include "StdUtil.h"
#include "database.h"
#include "dates.h"

#include <QDateTime>

DayVerse day_verse(QDate day, Recordset& rsQov)
{
    rsQov.Seek(QStringLiteral("="), {QDateTime(day, QTime(0, 0), Qt::UTC)});
    if (rsQov.NoMatch())
        return {};
    const auto field = [&](const QString& name) {
        return rsQov.HasField(name) ? ValueText(rsQov.Fields(name)).simplified() : QString();
    };
    return {field(QStringLiteral("Leitvers")), field(QStringLiteral("Bibelstelle"))};
}

QString verse_line(const DayVerse& verse)
{
    if (verse.verse.isEmpty() || verse.reference.isEmpty())
        return verse.verse + verse.reference;
    return verse.verse + QStringLiteral(" – ") + verse.reference;
}

QString reminder_summary(const QString& title, QDate day)
{
    return title + QStringLiteral(" – ") + format_long_date(day);
}
