// SPDX-License-Identifier: GPL-2.0-or-later
#include "day_corner.h"

#include "overlay_button.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

QToolButton* corner_button(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    QToolButton* button = overlay_button(name, text, tip, parent);
    button->setCheckable(true);
    return button;
}

} // namespace

DayCorner::DayCorner(QAbstractScrollArea* view)
    : QWidget(view)
    , view_(view)
    , read_(corner_button(QStringLiteral("personal_read"), QStringLiteral("✓"),
                          QStringLiteral("Bibellese gelesen (Strg+G)"), this))
    , star_(corner_button(QStringLiteral("personal_star"), QStringLiteral("★"),
                          QStringLiteral("Andacht merken (Strg+D)"), this))
    , note_(corner_button(QStringLiteral("personal_note"), QStringLiteral("✎"), QStringLiteral("Notiz … (Strg+N)"), this))
{
    setObjectName(QStringLiteral("personal_corner"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {read_, star_, note_})
        layout->addWidget(button);
    view_->installEventFilter(this);
    place();
}

void DayCorner::set_state(bool read, bool starred, bool noted)
{
    read_->setChecked(read);
    star_->setChecked(starred);
    note_->setChecked(noted);
}

bool DayCorner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place();
    return QWidget::eventFilter(watched, event);
}

void DayCorner::place()
{
    adjustSize();
    const QRect area = view_->viewport()->geometry();
    move(area.right() - width() - 2, area.top() + 2);
    raise();
}
