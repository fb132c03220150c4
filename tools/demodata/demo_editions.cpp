// SPDX-License-Identifier: GPL-2.0-or-later
#include "demo_editions.h"

namespace {

constexpr int genesis = 1;
constexpr int proverbs = 20;
constexpr int matthew = 40;

} // namespace

const std::vector<DemoEdition>& demo_editions()
{
    // 2024 reads the New Testament and then the wisdom books, a psalm on
    // each of its 52 Sundays; 2025 begins the Old Testament and goes on
    // with the psalms where 2024 stopped.
    static const std::vector<DemoEdition> editions = {
        {2024, "", {{matthew, proverbs}, 1}, 0},
        {2025, "2025", {{genesis}, 53}, 7},
    };
    return editions;
}
