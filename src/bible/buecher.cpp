// SPDX-License-Identifier: GPL-2.0-or-later
#include "buecher.h"

const BuchRow* find_buch(const Buecher& buecher, int book)
{
    if (book < 0 || book >= static_cast<int>(buecher.size()))
        return nullptr;
    const BuchRow& row = buecher[static_cast<size_t>(book)];
    return row.lfdnr.isValid() ? &row : nullptr;
}
