// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether a Bible module's data files can be read without reading past their
// ends: libsword trusts its index files, so a damaged one is refused before
// the module is read.

#include <QString>

#include <array>

// How many index entries the module's versification needs in each
// testament (old, new).
using TestamentEntries = std::array<qint64, 2>;

// What is wrong with the data files of a module of the driver `driver`
// (zText, zText4, RawText, RawText4, as its description names it) in the
// folder `data_path`, as a short German sentence; empty when they are sound.
// Sound means: each testament is there with all of its files or without any
// (one at least), every index holds whole entries, as many as `entries`
// asks, and each entry points inside its data file (compressed blocks
// inside the compressed file, verses inside their uncompressed block).
QString data_file_fault(const QString& driver, const QString& data_path, const TestamentEntries& entries);
