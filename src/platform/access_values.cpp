// SPDX-License-Identifier: GPL-2.0-or-later
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

namespace {

// Writes `code` as UTF-8 at `out` and returns the end.
char* put_utf8(char32_t code, char* out)
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

bool is_high_surrogate(char16_t unit)
{
    return unit >= 0xD800 && unit < 0xDC00;
}

bool is_low_surrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit < 0xE000;
}

// UTF-16 units to UTF-8, pairing surrogates.
class Utf8Writer {
public:
    explicit Utf8Writer(char* out) : out_(out) {}

    void unit(char16_t unit)
    {
        if (unit < 0x80 && !pending_) {
            *out_++ = char(unit);
            return;
        }
        if (pending_) {
            if (is_low_surrogate(unit)) {
                out_ = put_utf8(0x10000 + ((char32_t(pending_) - 0xD800) << 10) + (unit - 0xDC00), out_);
                pending_ = 0;
                return;
            }
            out_ = put_utf8(0xFFFD, out_);
            pending_ = 0;
        }
        if (is_high_surrogate(unit))
            pending_ = unit;
        else
            out_ = put_utf8(is_low_surrogate(unit) ? 0xFFFD : unit, out_);
    }

    char* finish()
    {
        if (pending_)
            out_ = put_utf8(0xFFFD, out_);
        return out_;
    }

private:
    char* out_;
    char16_t pending_ = 0;
};

}  // namespace

void jet4_text_to_utf8(std::string_view stored, std::string& text)
{
    // A stored byte never needs more than two bytes of UTF-8.
    text.resize(stored.size() * 2);
    Utf8Writer writer(text.data());
    const auto byte = [&stored](std::size_t i) { return static_cast<unsigned char>(stored[i]); };
    if (stored.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
        bool compressed = true;
        for (std::size_t i = 2; i < stored.size();) {
            if (byte(i) == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                writer.unit(byte(i));
                ++i;
            } else if (i + 1 < stored.size()) {
                writer.unit(char16_t(byte(i) | (byte(i + 1) << 8)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (std::size_t i = 0; i + 1 < stored.size(); i += 2)
            writer.unit(char16_t(byte(i) | (byte(i + 1) << 8)));
    }
    text.resize(static_cast<std::size_t>(writer.finish() - text.data()));
}
