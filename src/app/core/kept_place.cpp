// SPDX-License-Identifier: GPL-2.0-or-later
#include "kept_place.h"

#include "bible_position.h"
#include "page_zoom.h"

#include <algorithm>

namespace {

const QString geometry_key = QStringLiteral("window/geometry");
const QString zoom_key = QStringLiteral("view/zoom");
const QString position_key = QStringLiteral("bible/position");
const QString mode_key = QStringLiteral("bible/mode");

constexpr int min_side = 100;
constexpr int max_side = 20000;

bool usable_side(int length)
{
    return length >= min_side && length <= max_side;
}

} // namespace

KeptPlace read_kept_place(const QSettings& settings, const Buecher& buecher)
{
    KeptPlace place;
    const QVariant geometry = settings.value(geometry_key);
    if (geometry.typeId() == QMetaType::QRect) {
        const QRect rect = geometry.toRect();
        if (usable_side(rect.width()) && usable_side(rect.height()))
            place.geometry = rect;
    }
    bool ok = false;
    const int zoom = settings.value(zoom_key).toInt(&ok);
    if (ok)
        place.zoom = std::clamp(zoom, min_zoom, max_zoom);
    const QString bcv = settings.value(position_key).toString();
    if (showable_position(bcv, buecher))
        place.actbcv = bcv;
    const QString mode = settings.value(mode_key).toString();
    place.bible_mode = mode == u"true";
    return place;
}

void write_kept_place(QSettings& settings, const KeptPlace& place)
{
    if (place.geometry)
        settings.setValue(geometry_key, *place.geometry);
    else
        settings.remove(geometry_key);
    settings.setValue(zoom_key, place.zoom);
    settings.setValue(position_key, place.actbcv);
    settings.setValue(mode_key, place.bible_mode);
}

QRect onto_screen(QRect window, const QRect& available)
{
    if (!available.isValid())
        return window;
    window.setWidth(std::min(window.width(), available.width()));
    window.setHeight(std::min(window.height(), available.height()));
    window.moveLeft(std::clamp(window.left(), available.left(), available.right() - window.width() + 1));
    window.moveTop(std::clamp(window.top(), available.top(), available.bottom() - window.height() + 1));
    return window;
}
