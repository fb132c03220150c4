// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_long_value.h"

#include "access_damage.h"


namespace {

constexpr std::size_t reference_size = 12;
constexpr std::uint32_t inline_flag = 0x80000000;
constexpr std::uint32_t single_page_flag = 0x40000000;
constexpr std::uint32_t length_mask = 0x3FFFFFFF;
constexpr std::size_t next_reference_size = 4;
constexpr int row_offset_mask = 0x1FFF;

std::uint32_t read_uint32(const std::uint8_t* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
}

int read_uint16(const std::uint8_t* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

// The bytes of row (reference & 0xFF) on page (reference >> 8): a row ends
// where the row before it (in slot order) begins, row 0 at the page end.
std::span<const std::uint8_t> data_row(std::uint32_t reference, std::span<const std::uint8_t> file,
                                       PageLayout layout)
{
    const std::size_t page_number = reference >> 8;
    const int row = static_cast<int>(reference & 0xFF);
    const std::size_t page_size = static_cast<std::size_t>(layout.page_size);
    if (page_number == 0 || page_number >= file.size() / page_size)
        throw_damaged("a long value refers to a page beyond the end of the file");
    const std::uint8_t* page = file.data() + page_number * page_size;
    const int count_at = layout.row_count_offset;
    if (row >= read_uint16(page + count_at) || count_at + 4 + 2 * row > layout.page_size)
        throw_damaged("a long value refers to a row its page lacks");
    const int start = read_uint16(page + count_at + 2 + 2 * row) & row_offset_mask;
    const int end = row == 0 ? layout.page_size : read_uint16(page + count_at + 2 * row) & row_offset_mask;
    if (start > end || end > layout.page_size)
        throw_damaged("a long value refers to a row that lies outside its page");
    return {page + start, static_cast<std::size_t>(end - start)};
}

}  // namespace

std::string_view long_value_bytes(std::span<const std::uint8_t> field,
                                  std::span<const std::uint8_t> file, PageLayout layout,
                                  std::string& scratch)
{
    const auto view = [](std::span<const std::uint8_t> bytes) {
        return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    if (field.size() < reference_size)
        return {};
    const std::uint32_t head = read_uint32(field.data());
    if (head & inline_flag)
        return view(field.subspan(reference_size));
    const std::uint32_t first = read_uint32(field.data() + 4);
    if (head & single_page_flag)
        return view(data_row(first, file, layout));

    const std::size_t length = head & length_mask;
    if (length > file.size())
        throw_damaged("a long value claims to be longer than the file");
    scratch.clear();
    for (std::uint32_t next = first; scratch.size() < length;) {
        if (next == 0)
            throw_damaged("a long value ends before its length");
        const auto row = data_row(next, file, layout);
        if (row.size() <= next_reference_size)
            throw_damaged("a long value has an empty part");
        next = read_uint32(row.data());
        scratch.append(view(row.subspan(next_reference_size)));
    }
    scratch.resize(length);
    return scratch;
}
