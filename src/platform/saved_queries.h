// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The two saved queries of the book database, as SQL views. Files that lack
// them get them as temporary views when opened; the demo data stores them.

#include <QString>

// Every devotional of "QOV" with its author's "Vorname" and "Nachname" (left
// join on AID) and book1, chapter1, verse1: the book, chapter and first verse
// of the first reference in bcv1, so that ordering by them gives Bible order.
QString vw1qov_view_sql(bool temporary);

// aid, Vorname, Nachname of the authors with at least one devotional.
QString vw1autorenaktiv_view_sql(bool temporary);
