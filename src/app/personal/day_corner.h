// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The small controls over the day page's top right corner: the day's Bible
// reading read or not, the day starred, and its note. They lie over the view
// rather than in the page, so the book's template keeps its layout.

#include <QWidget>

class QAbstractScrollArea;
class QToolButton;

class DayCorner : public QWidget {
    Q_OBJECT

public:
    // Lies over `view`'s visible area, following its size.
    explicit DayCorner(QAbstractScrollArea* view);

    // Shows the day's state: read, starred, with a note.
    void set_state(bool read, bool starred, bool noted);

    QToolButton* read_button() const { return read_; }
    QToolButton* star_button() const { return star_; }
    QToolButton* note_button() const { return note_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QAbstractScrollArea* view_;
    QToolButton* read_;
    QToolButton* star_;
    QToolButton* note_;
};
