// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes the complete demo data into a program folder.

#include <QString>

// Writes into `program_folder` (created if missing): "elberfelderbibel.mdb"
// from the Elberfelder module in the SWORD folder `sword_path` (where SWORD
// looks by default when empty), "qov.mdb" with the composed book of 2024,
// "2025/qov.mdb" with the book of 2025 (which shares the rest), "qovfiles/"
// with every file of `template_folder`, and "qov_pics/" with the drawn
// pictures. Each database replaces its file only when complete.
// Throws std::runtime_error (or a subclass) naming what failed.
void write_demo_data(const QString& program_folder, const QString& template_folder,
                     const QString& sword_path);
