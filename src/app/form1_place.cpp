// SPDX-License-Identifier: GPL-2.0-or-later
// The place a reader comes back to: window, zoom, Bible position and mode,
// read from the settings at start-up and kept there when the window closes.
// The day always starts on today.

#include "form1.h"

#include "companion/companion.h"
#include "kept_place.h"
#include "personal_layer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

void Form1::restore_place()
{
    if (!settings_.kept)
        return;
    const KeptPlace place = read_kept_place(*settings_.kept, state_.book->lists.buecher);
    if (place.geometry) {
        const QScreen* on = QGuiApplication::screenAt(place.geometry->center());
        if (!on)
            on = screen();
        // A window kept on a screen that is gone, or larger than this one,
        // comes back whole and on the screen.
        const QRect frame = onto_screen(*place.geometry, on->availableGeometry());
        move(frame.topLeft());
        resize(frame.size());
    }
    zoom_ = place.zoom;
    state_.actbcv = place.actbcv;
    restore_bible_mode_ = place.bible_mode;
}

void Form1::keep_place()
{
    if (!settings_.kept)
        return;
    KeptPlace place = read_kept_place(*settings_.kept, state_.book->lists.buecher);
    // A maximised or minimised window keeps the place it had before.
    if (windowState() == Qt::WindowNoState)
        place.geometry = frameGeometry();
    place.zoom = zoom_;
    place.actbcv = state_.actbcv;
    place.bible_mode = bible_mode();
    write_kept_place(*settings_.kept, place);
    settings_.kept->sync();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (companion_->hides_on_close()) {
        event->ignore();
        return;
    }
    keep_place();
    personal_->close_editors();
    QWidget::closeEvent(event);
}
