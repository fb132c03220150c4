// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small flat button of the controls that lie over a view.

#include <QString>

class QToolButton;
class QWidget;

// Named `name` for tests and the record, showing `text`, with `tip` as its
// tool tip and its name for a screen reader. It takes no focus: the page
// keeps the keyboard, and the keys have shortcuts of their own.
QToolButton* overlay_button(const QString& name, const QString& text, const QString& tip, QWidget* parent);
