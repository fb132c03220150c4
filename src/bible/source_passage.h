// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The verses a Bible key names as a tool tip shows them, from the quick
// search's index or from a translation.

#include "bcv_key.h"
#include "bible_source.h"
#include "buecher.h"

#include <QString>

#include <functional>
#include <vector>

struct PassageVerse {
    int chap = 0;
    int verse = 0;
    QString text;
};

// The tool tip of a Bible key: its references in words ("Psalm 23,1-2;
// 1. Mose 2,25-3,1"), then `suffix`, then up to five of their verses a line
// each ("1 Jehova ist mein Hirte"), "…" when there are more; empty when none
// is there. `verses_of` gives the verses of a reference's book from its
// first to its last chapter, in order.
QString passage_tip(const Buecher& buecher, const QString& key, const QString& suffix,
                    const std::function<std::vector<PassageVerse>(const BcvReference&)>& verses_of);

// The references of `key` in words with the translation's short name
// ("Psalm 23,1-2 (KJV)"), then up to five of their verses a line each
// ("1 The LORD is my shepherd"), "…" when there are more; empty when
// `source` holds none of them.
QString source_passage(BibleSource& source, const Buecher& buecher, const QString& key);
