// SPDX-License-Identifier: GPL-2.0-or-later
#include "start_checks.h"

#include "daily_rules.h"
#include "single_instance.h"

bool ends_before_window(const CommandLine& options, const QSettings* kept)
{
    const QDate today = options.today.value_or(QDate::currentDate());
    if (options.once && kept && shown_today(read_day_record(*kept, DayRecord::page_shown), today))
        return true;
    return !options.script && hand_over(instance_socket_name(), options.once);
}
