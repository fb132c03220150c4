// SPDX-License-Identifier: GPL-2.0-or-later
#include "companion_options.h"

namespace {

const QString tray_key = QStringLiteral("companion/tray");
const QString reminder_key = QStringLiteral("companion/reminder");
const QString outside_key = QStringLiteral("companion/outside_year");

QString record_key(DayRecord record)
{
    return record == DayRecord::page_shown ? QStringLiteral("companion/page_shown")
                                           : QStringLiteral("companion/reminded");
}

} // namespace

std::optional<QTime> parse_time_of_day(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

CompanionOptions read_companion_options(const QSettings& settings)
{
    CompanionOptions options;
    options.tray = settings.value(tray_key).toString() == u"true";
    options.reminder = parse_time_of_day(settings.value(reminder_key).toString());
    if (settings.value(outside_key).toString() == u"same_day")
        options.outside_year = OutsideYear::same_day;
    return options;
}

void write_companion_options(QSettings& settings, const CompanionOptions& options)
{
    settings.setValue(tray_key, options.tray ? QStringLiteral("true") : QStringLiteral("false"));
    if (options.reminder)
        settings.setValue(reminder_key, options.reminder->toString(QStringLiteral("HH:mm")));
    else
        settings.remove(reminder_key);
    settings.setValue(outside_key, options.outside_year == OutsideYear::same_day ? QStringLiteral("same_day")
                                                                                : QStringLiteral("last"));
}

std::optional<QDate> read_day_record(const QSettings& settings, DayRecord record)
{
    const QDate day = QDate::fromString(settings.value(record_key(record)).toString(), Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

void write_day_record(QSettings& settings, DayRecord record, QDate day)
{
    settings.setValue(record_key(record), day.toString(Qt::ISODate));
}
