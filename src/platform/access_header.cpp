// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_header.h"

#include "access_rc4.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int jet3_page_size = 2048;
constexpr int jet4_page_size = 4096;
constexpr int version_offset = 0x14;
constexpr int masked_start = 0x18;
constexpr int database_key_offset = 0x3E;
constexpr int password_offset = 0x42;
constexpr int creation_date_offset = 0x72;
constexpr int jet3_masked_length = 126;
constexpr int jet4_masked_length = 128;
constexpr int jet3_password_bytes = 20;
constexpr int jet4_password_bytes = 40;
constexpr std::array<std::uint8_t, 4> header_key = {0xC7, 0xDA, 0x39, 0x6B};

constexpr char jet_magic[] = "\x00\x01\x00\x00Standard Jet DB";
constexpr char ace_magic[] = "\x00\x01\x00\x00Standard ACE DB";
constexpr int magic_length = sizeof(jet_magic) - 1;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves
// undefined keep their Latin-1 meaning.
constexpr std::array<char16_t, 32> cp1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString from_cp1252(const std::uint8_t* bytes, int length)
{
    QString text;
    for (int i = 0; i < length && bytes[i] != 0; ++i) {
        const std::uint8_t b = bytes[i];
        text += (b >= 0x80 && b < 0xA0) ? QChar(cp1252_high[b - 0x80]) : QChar(b);
    }
    return text;
}

QString from_utf16le(const std::uint8_t* bytes, int length)
{
    QString text;
    for (int i = 0; i + 1 < length; i += 2) {
        const char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    return text;
}

std::uint32_t read_uint32(const std::uint8_t* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
}

// Jet4 further masks its password with the whole days of the creation date.
std::array<std::uint8_t, 4> creation_day_mask(const std::uint8_t* header)
{
    double date;
    std::memcpy(&date, header + creation_date_offset, sizeof date);
    std::int32_t days = 0;
    if (std::isfinite(date) && date > std::numeric_limits<std::int32_t>::min() - 1.0
        && date < std::numeric_limits<std::int32_t>::max() + 1.0)
        days = static_cast<std::int32_t>(date);
    const auto bits = static_cast<std::uint32_t>(days);
    return {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
            std::uint8_t(bits >> 24)};
}

// Encoded pages are each masked with their own key: the database key XOR
// the page number, little-endian.
std::array<std::uint8_t, 4> page_key(std::uint32_t database_key, std::size_t page)
{
    const std::uint32_t key = database_key ^ static_cast<std::uint32_t>(page);
    return {std::uint8_t(key), std::uint8_t(key >> 8), std::uint8_t(key >> 16), std::uint8_t(key >> 24)};
}

std::size_t masked_length(AccessFormat format)
{
    return format == AccessFormat::Jet3 ? jet3_masked_length : jet4_masked_length;
}

}  // namespace

AccessHeader read_access_header(QByteArrayView head)
{
    AccessHeader header;
    if (head.size() <= version_offset)
        return header;
    const QByteArrayView magic = head.first(magic_length);
    const auto version = static_cast<std::uint8_t>(head[version_offset]);
    if (magic == QByteArrayView(jet_magic, magic_length) && version <= 1) {
        header.format = version == 0 ? AccessFormat::Jet3 : AccessFormat::Jet4;
        header.page_size = version == 0 ? jet3_page_size : jet4_page_size;
    } else if (magic == QByteArrayView(jet_magic, magic_length)
               || magic == QByteArrayView(ace_magic, magic_length)) {
        header.format = AccessFormat::Ace;
        header.page_size = jet4_page_size;
        return header;
    } else {
        return header;
    }

    const bool jet3 = header.format == AccessFormat::Jet3;
    if (head.size() < masked_start + jet4_masked_length)
        return header;
    std::vector<std::uint8_t> clear(head.begin(), head.begin() + masked_start + masked_length(header.format));
    rc4_apply(header_key, std::span(clear).subspan(masked_start));

    header.database_key = read_uint32(clear.data() + database_key_offset);
    std::uint8_t* password = clear.data() + password_offset;
    if (jet3) {
        header.password = from_cp1252(password, jet3_password_bytes);
    } else {
        const auto mask = creation_day_mask(clear.data());
        for (int i = 0; i < jet4_password_bytes; ++i)
            password[i] ^= mask[i % mask.size()];
        header.password = from_utf16le(password, jet4_password_bytes);
    }
    return header;
}

std::uint8_t page_type(QByteArrayView file, const AccessHeader& header, qsizetype page)
{
    std::uint8_t type = static_cast<std::uint8_t>(file[page * header.page_size]);
    if (header.database_key != 0)
        rc4_apply(page_key(header.database_key, page), std::span(&type, 1));
    return type;
}

void decode_pages(std::span<std::uint8_t> file, AccessFormat format, std::uint32_t database_key)
{
    if (database_key == 0)
        return;
    const std::size_t page_size = format == AccessFormat::Jet3 ? jet3_page_size : jet4_page_size;
    for (std::size_t page = 1; page < file.size() / page_size; ++page)
        rc4_apply(page_key(database_key, page), file.subspan(page * page_size, page_size));
    const auto masked = file.subspan(masked_start, masked_length(format));
    rc4_apply(header_key, masked);
    std::fill_n(file.begin() + database_key_offset, 4, 0);
    rc4_apply(header_key, masked);
}

QString connect_password(const QString& connect)
{
    const QStringList parts = connect.split(u';');
    for (const QString& part : parts) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals >= 0 && part.first(equals).trimmed().compare(u"PWD", Qt::CaseInsensitive) == 0)
            return part.mid(equals + 1);
    }
    return {};
}
