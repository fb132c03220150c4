// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// `text` (a folder's name, a module's description) as a menu entry or a
// button shows it: an ampersand stays one, not the mark of a shortcut key.
inline QString menu_label(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}
