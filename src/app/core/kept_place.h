// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The place a reader comes back to: what is kept in the user's settings
// between runs, read back with care, since the file may be old, edited by
// hand or written by another version.

#include "buecher.h"

#include <QRect>
#include <QSettings>
#include <QString>

#include <optional>

struct KeptPlace {
    std::optional<QRect> geometry;  // the window's frame on the screen
    int zoom = 100;                 // percent
    QString actbcv = QStringLiteral("1_1_0");
    bool bible_mode = false;

    bool operator==(const KeptPlace&) const = default;
};

// What `settings` keeps; each value missing or unusable gives its default:
// the zoom is clamped to 50..300 (100 when it is no number), a Bible
// position that showable_position() refuses with `buecher` is dropped, as is
// a geometry that is no rectangle or not 100..20000 pixels wide and high,
// and Bible mode is only "true" or "false".
KeptPlace read_kept_place(const QSettings& settings, const Buecher& buecher);

// Writes all of `place` into `settings`; a geometry of none is removed.
void write_kept_place(QSettings& settings, const KeptPlace& place);

// `window` moved, and first shrunk where it is larger, so that it lies
// wholly inside `available` (the screen without its panels).
QRect onto_screen(QRect window, const QRect& available);
