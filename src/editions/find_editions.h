// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editions a data folder holds: its own qov.mdb, and each direct
// subfolder with one (any name: "2025", "Selunar 2025"). A subfolder that
// lacks the Bible, the templates or the pictures uses the data folder's.
// Hidden folders (".name") are never editions.

#include "edition.h"

// Every edition of `folder`, each probed (edition_probe.h), sorted by year
// (those without a known year last), then by folder, so the folder's own
// comes before its subfolders' and two of one year are both listed. A
// subfolder that cannot be read, a link that leads nowhere or in a circle,
// and a link to the folder itself or to an edition listed already are
// listed as unusable with the reason.
Editions find_editions(const QString& folder);

// Whether `folder` holds a qov.mdb of its own or in a direct, not hidden
// subfolder. Cheap: nothing is opened.
bool holds_edition(const QString& folder);
