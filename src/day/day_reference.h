// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDate>
#include <QString>

// The source of a passage copied from the day page of `date`:
// "Selunar 2024, Dienstag, 5. März 2024".
QString day_reference(QDate date);
