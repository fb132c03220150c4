// SPDX-License-Identifier: GPL-2.0-or-later
#include "companion_dump.h"

#include "companion.h"

QJsonObject options_value(const Companion& companion)
{
    const CompanionOptions& options = companion.options();
    return {{"autostart", companion.autostart()},
            {"reminder", options.reminder ? QJsonValue(options.reminder->toString(QStringLiteral("HH:mm"))) : QJsonValue()},
            {"tray", options.tray},
            {"outside_year", options.outside_year == OutsideYear::same_day ? "same_day" : "last"}};
}

QJsonArray notifications_value(const Companion& companion)
{
    QJsonArray sent;
    for (const Companion::Notification& notification : companion.notifications())
        sent.append(QJsonObject{{"summary", notification.summary}, {"body", notification.body}});
    return sent;
}

QJsonObject tray_value(const Companion& companion)
{
    return {{"available", companion.tray_available()},
            {"shown", companion.tray_shown()},
            {"tooltip", companion.tray_tooltip()}};
}
