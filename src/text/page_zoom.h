// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Zoom by rewriting the page text: every size a page sets is scaled when the
// page is written, so users' own templates zoom like the shipped ones.

#include <QString>

// The zoom steps a reader can choose, in percent.
constexpr int min_zoom = 50;
constexpr int max_zoom = 300;

// The zoom `steps` levels above (below, when negative) `percent` on the
// ladder 50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, which
// is what Ctrl+plus, Ctrl+minus and the wheel move along; it stops at its
// ends, and a percent between two levels counts from where it lies.
int zoom_step(int percent, int steps);

// `page` with every size scaled by `percent` (clamped to 50..300): pt and px
// lengths in <style> blocks and style attributes, and <font size> (1..7, or
// +n/-n from 3) moved to the step nearest the scaled size. 100 % returns the
// page unchanged; so does a page that sets no sizes.
QString zoom_page(const QString& page, int percent);
