// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pictures of the demo data, drawn with simple shapes only (no text, so
// no font on the machine changes a pixel).

#include "topic_areas.h"

#include <QImage>
#include <QString>

inline constexpr int area_picture_size = 64;

// The area's symbol in white on a rounded square of the area's colour.
QImage area_picture(const TopicArea& area);

// The program's sign for the help and imprint pages ("selunar.png"): a
// crescent moon with stars.
QImage logo_picture();

// The small arrow of the result list's rows ("pfeil.png").
QImage arrow_picture();

// Writes every area picture under its file name, "selunar.png" and
// "pfeil.png" into `folder` (which must exist). Throws std::runtime_error
// naming the file that could not be written.
void write_pictures(const QString& folder);
