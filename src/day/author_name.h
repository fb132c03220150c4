// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVariant>

// An author's name as every page and list shows it: first name, a blank and
// last name, with leading and trailing blanks removed (Null counts as empty
// text), so a missing first name leaves no blank in front.
QString author_display_name(const QVariant& vorname, const QVariant& nachname);
