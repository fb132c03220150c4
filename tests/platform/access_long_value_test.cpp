// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_long_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t inline_flag = 0x80000000u;
constexpr std::uint32_t single_page_flag = 0x40000000u;

std::string le32(std::uint32_t value)
{
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// A file of empty Jet4 pages to which data rows can be added; rows fill a
// page from its end, as Access stores them.
class PageFile {
public:
    explicit PageFile(int pages) : bytes_(std::size_t(pages) * 4096) {}

    // Adds a row to `page`; returns its place as a reference holds it.
    std::uint32_t add_row(int page, const std::string& row)
    {
        std::uint8_t* base = bytes_.data() + std::size_t(page) * 4096;
        const auto u16 = [](const std::uint8_t* at) { return at[0] | at[1] << 8; };
        const int count = u16(base + 0x0C);
        const int start = (count == 0 ? 4096 : u16(base + 0x0E + 2 * (count - 1))) - int(row.size());
        std::copy(row.begin(), row.end(), base + start);
        base[0x0E + 2 * count] = std::uint8_t(start);
        base[0x0F + 2 * count] = std::uint8_t(start >> 8);
        base[0x0C] = std::uint8_t(count + 1);
        return std::uint32_t(page) << 8 | std::uint32_t(count);
    }

    // The value whose 12-byte reference is `head` (length and flags), then
    // `where`, then `inline_bytes`.
    std::string read(std::uint32_t head, std::uint32_t where, const std::string& inline_bytes = {}) const
    {
        return read_field(le32(head) + le32(where) + std::string(4, '\0') + inline_bytes);
    }

    std::string read_field(const std::string& field) const
    {
        std::string scratch;
        return std::string(long_value_bytes(std::span(reinterpret_cast<const std::uint8_t*>(field.data()), field.size()),
                                            bytes_, PageLayout{4096, 0x0C}, scratch));
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// A part of a chained value: the place of the next part, then its data.
std::string chain_part(std::uint32_t next, const std::string& data)
{
    return le32(next) + data;
}

}  // namespace

TEST(LongValue, InlineSinglePageAndChainedValues)
{
    PageFile file(5);
    EXPECT_EQ(file.read(inline_flag | 5, 0, "hello"), "hello");
    EXPECT_EQ(file.read_field({}), "");

    file.add_row(2, "first row");
    const std::uint32_t single = file.add_row(2, std::string(3000, 'x'));
    file.add_row(2, "third row");
    EXPECT_EQ(file.read(single_page_flag | 3000, single), std::string(3000, 'x'));

    // The last part holds more than the length asks for.
    const std::uint32_t last = file.add_row(4, chain_part(0, std::string(1000, 'c') + "padding"));
    const std::uint32_t middle = file.add_row(3, chain_part(last, std::string(4000, 'b')));
    const std::uint32_t first = file.add_row(1, chain_part(middle, std::string(4000, 'a')));
    EXPECT_EQ(file.read(9000, first), std::string(4000, 'a') + std::string(4000, 'b') + std::string(1000, 'c'));

    // A part pointing back at itself ends when the length is used up.
    const std::uint32_t self = 3u << 8 | 1;
    ASSERT_EQ(file.add_row(3, chain_part(self, "ab")), self);
    EXPECT_EQ(file.read(7, self), "abababa");
}

TEST(LongValue, BrokenReferencesAndShortChainsAreReportedAsDamage)
{
    PageFile file(3);
    const std::uint32_t row = file.add_row(1, "data");
    const std::uint32_t short_chain = file.add_row(1, chain_part(0, "only this"));
    const std::uint32_t empty_part = 2u << 8;
    file.add_row(2, chain_part(empty_part, ""));
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {single_page_flag | 4, 7u << 8},    // no page 7
        {single_page_flag | 4, 0},          // the header page
        {single_page_flag | 4, row + 2},    // no such row
        {1u << 29, row},                    // longer than the file
        {5000, short_chain},                // the chain ends before the length
        {7, empty_part},                    // a part without data never ends
    };
    for (const auto& [head, where] : cases)
        EXPECT_THROW(file.read(head, where), std::runtime_error) << std::hex << head << ' ' << where;
}
