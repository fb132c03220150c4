#include "access_long_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr PageLayout jet4{4096, 0x0C};

void put16(std::vector<std::uint8_t>& bytes, std::size_t at, unsigned value)
{
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = std::uint8_t(value >> (8 * i));
}

// A file of `pages` empty Jet4 pages to which data rows can be added; rows
// fill a page from its end, as Access stores them.
class PageFile {
public:
    explicit PageFile(int pages) : bytes_(std::size_t(pages) * 4096) {}

    std::uint32_t add_row(int page, const std::string& row)
    {
        const std::size_t base = std::size_t(page) * 4096;
        const int count = bytes_[base + 0x0C] | (bytes_[base + 0x0D] << 8);
        const int end = count == 0 ? 4096 : (bytes_[base + 0x0E + 2 * (count - 1)] | (bytes_[base + 0x0F + 2 * (count - 1)] << 8));
        const int start = end - int(row.size());
        std::copy(row.begin(), row.end(), bytes_.begin() + base + start);
        put16(bytes_, base + 0x0E + 2 * count, unsigned(start));
        put16(bytes_, base + 0x0C, unsigned(count + 1));
        return (std::uint32_t(page) << 8) | std::uint32_t(count);
    }

    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> reference(std::uint32_t head, std::uint32_t where, const std::string& inline_bytes = {})
{
    std::vector<std::uint8_t> field(12 + inline_bytes.size());
    put32(field.data(), head);
    put32(field.data() + 4, where);
    std::copy(inline_bytes.begin(), inline_bytes.end(), field.begin() + 12);
    return field;
}

std::string chain_part(std::uint32_t next, const std::string& data)
{
    std::string part(4, '\0');
    put32(reinterpret_cast<std::uint8_t*>(part.data()), next);
    return part + data;
}

std::string read(const std::vector<std::uint8_t>& field, const PageFile& file)
{
    std::string scratch;
    return std::string(long_value_bytes(field, file.bytes(), jet4, scratch));
}

}  // namespace

TEST(LongValue, InlineBytesFollowTheReference)
{
    const PageFile file(2);
    EXPECT_EQ(read(reference(0x80000000u | 5, 0, "hello"), file), "hello");
    EXPECT_EQ(read(std::vector<std::uint8_t>{}, file), "");
}

TEST(LongValue, SinglePageValueIsOneWholeRow)
{
    PageFile file(4);
    file.add_row(2, "first row");
    const std::uint32_t where = file.add_row(2, std::string(3000, 'x'));
    file.add_row(2, "third row");
    EXPECT_EQ(read(reference(0x40000000u | 3000, where), file), std::string(3000, 'x'));
}

TEST(LongValue, ChainedValueJoinsItsPartsUpToItsLength)
{
    PageFile file(5);
    const std::uint32_t last = file.add_row(4, chain_part(0, std::string(1000, 'c') + "padding"));
    const std::uint32_t middle = file.add_row(3, chain_part(last, std::string(4000, 'b')));
    const std::uint32_t first = file.add_row(1, chain_part(middle, std::string(4000, 'a')));
    const std::string value = read(reference(9000, first), file);
    EXPECT_EQ(value, std::string(4000, 'a') + std::string(4000, 'b') + std::string(1000, 'c'));
}

TEST(LongValue, BrokenReferencesAndShortChainsAreReportedAsDamage)
{
    PageFile file(3);
    const std::uint32_t row = file.add_row(1, "data");
    EXPECT_THROW(read(reference(0x40000000u | 4, (7u << 8) | 0), file), std::runtime_error);  // no page 7
    EXPECT_THROW(read(reference(0x40000000u | 4, (0u << 8) | 0), file), std::runtime_error);  // header page
    EXPECT_THROW(read(reference(0x40000000u | 4, row + 1), file), std::runtime_error);         // no such row
    EXPECT_THROW(read(reference(1u << 29, row), file), std::runtime_error);  // longer than the file

    const std::uint32_t short_chain = file.add_row(1, chain_part(0, "only this"));
    EXPECT_THROW(read(reference(5000, short_chain), file), std::runtime_error);

    // A part pointing back at itself ends when the length is used up.
    PageFile looping(3);
    const std::uint32_t self = (2u << 8) | 0;
    looping.add_row(2, chain_part(self, "ab"));
    EXPECT_EQ(read(reference(7, self), looping), "abababa");

    PageFile empty_part(3);
    const std::uint32_t empty = empty_part.add_row(2, chain_part((2u << 8) | 0, ""));
    EXPECT_THROW(read(reference(7, empty), empty_part), std::runtime_error);
}
