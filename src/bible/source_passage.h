// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The verses a Bible key names, read from a translation, as a tool tip shows them.

#include "bible_source.h"
#include "buecher.h"

#include <QString>

// The references of `key` in words with the translation's short name
// ("Psalm 23,1-2 (KJV)"), then up to five of their verses a line each
// ("1 The LORD is my shepherd"), "…" when there are more; empty when
// `source` holds none of them.
QString source_passage(BibleSource& source, const Buecher& buecher, const QString& key);
