// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVariant>

// The Bible links of a devotional: one copy of `tplbibelst` per reference of
// `bst` (references separated by ";"), with "#bcv#" replaced by the key at the
// same position of `bcv` (keys separated by ";"; a missing key gives empty
// text) and "#Bibelst#" by the reference text as it stands. The first empty
// reference ends the list. The copies are joined without separator.
QString splitbibelst(const QVariant& bst, const QVariant& bcv, const QString& tplbibelst);
