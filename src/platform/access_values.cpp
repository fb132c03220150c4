#include "access_values.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr long long first_day = -657434;   // 100-01-01
constexpr long long last_day = 2958465;    // 9999-12-31
constexpr long long unix_epoch_day = 25569;  // 1970-01-01
constexpr long long seconds_per_day = 86400;

}  // namespace

std::optional<std::string> access_date_text(double days)
{
    if (!(days > first_day - 1.0 && days < last_day + 1.0))
        return std::nullopt;
    const double whole = std::trunc(days);
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(days - whole) * seconds_per_day);
    if (seconds == seconds_per_day) {
        seconds = 0;
        day += days < 0 ? -1 : 1;
    }
    if (day < first_day || day > last_day)
        return std::nullopt;

    const std::chrono::year_month_day date{
        std::chrono::sys_days{std::chrono::days{day - unix_epoch_day}}};
    char text[32];
    int length = std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()),
                               unsigned(date.month()), unsigned(date.day()));
    if (seconds != 0)
        length += std::snprintf(text + length, sizeof text - length, " %02lld:%02lld:%02lld",
                                seconds / 3600, seconds / 60 % 60, seconds % 60);
    return std::string(text, length);
}

double single_as_double(float value)
{
    if (!std::isfinite(value))
        return value;
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}
