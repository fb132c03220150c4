// SPDX-License-Identifier: GPL-2.0-or-later
#include "bereiche.h"

const BereichRow* find_bereich(const Bereiche& bereiche, const QVariant& id)
{
    bool ok = false;
    const qlonglong index = id.toLongLong(&ok);
    if (!id.isValid() || !ok || index < 0 || index >= static_cast<qlonglong>(bereiche.size()))
        return nullptr;
    return &bereiche[static_cast<size_t>(index)];
}
