// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dark colour set: pages are rewritten for a dark desktop when they are
// written, so users' own templates darken like the shipped ones.

#include <QColor>
#include <QString>

// The dark counterpart of `colour`: its lightness mirrored, light becoming
// dark and dark becoming light, with its hue kept and its saturation
// softened; a transparent
// or invalid colour stays as it is.
QColor dark_colour(const QColor& colour);

// `page` for a dark desktop: a style sheet with dark defaults for the
// background, the text and the links, which the page's own rules override
// (placed right before </head>, behind the page's own sheets, as the view
// lets the first of two equal rules win; before everything in a page
// without a head), and every colour the page sets
// itself turns into its dark counterpart: the attributes bgcolor, color,
// text, link, vlink, alink and bordercolor, and the colours of color,
// background and border declarations in <style> blocks and style attributes.
QString dark_page(const QString& page);
