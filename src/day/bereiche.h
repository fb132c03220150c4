// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The topic areas, read once at start-up: row index = topic id.

#include <QVariant>

#include <vector>

struct BereichRow {
    QVariant name;     // "bezeichnung" as stored (may be Null)
    QVariant bild;     // picture file name as stored (may be empty or Null)
    int position = 0;  // position in the topic list, counted from 1; 0 = no topic
};

// Rows 0..N, where N is the number of rows of [Bereiche]; rows whose index is
// no topic id stay empty (position 0).
using Bereiche = std::vector<BereichRow>;

// The row of topic `id`, or nullptr when `id` is Null, not a whole number or
// outside the table.
const BereichRow* find_bereich(const Bereiche& bereiche, const QVariant& id);
