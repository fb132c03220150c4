// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Telling cheaply whether an edition opens: the first and last day of its
// book (of an Access book only the dates are read), its Bible opening with
// the reader's password (judged by the file's first pages), its six
// templates readable. Start-up reads the edition that opens in full anyway.
// Nothing is ever written.

#include "edition.h"
#include "file_failure.h"

#include <QHash>

#include <optional>

// The failure as start-up names it: the file and its German cause
// (".../qov.mdb: die Datei ist beschädigt").
QString file_reason(const QString& file, FileFailure failure);

// What was found of each Bible file probed so far, by its canonical path:
// why it cannot be used, nothing when it can. Editions sharing a Bible
// probe it once.
using BibleChecks = QHash<QString, std::optional<FileFailure>>;

// The edition in `folder` made of `parts`. Its days are read first, so the
// year is known even when its Bible or a template fails.
Edition probe_edition(const QString& folder, const EditionParts& parts, BibleChecks& bibles);

// The edition a user names by a folder or its qov.mdb, the parts it lacks
// taken from `fallback` (edition_parts).
Edition probe_edition_at(const QString& place, const EditionParts& fallback = {});
