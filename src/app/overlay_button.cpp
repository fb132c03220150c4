// SPDX-License-Identifier: GPL-2.0-or-later
#include "overlay_button.h"

#include <QToolButton>

QToolButton* overlay_button(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
