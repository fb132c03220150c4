// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QTextEdit;

// Creates the one QApplication of a widget test process (offscreen unless the
// environment names a platform). Safe to call from every suite's set-up.
void ensure_widget_application();

// Clicks the middle of the first occurrence of `text` in the page of `view`;
// a test failure when the page does not hold it.
void click_in_page(QTextEdit& view, const QString& text);
