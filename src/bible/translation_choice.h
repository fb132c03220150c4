// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which translations the Bible mode shows: the main one first, then up to
// two beside it, each once. "Buch" is the book's own Bible.

#include <QString>
#include <QStringList>

#include <functional>

inline constexpr qsizetype max_translations = 3;

// The book's Bible alone: the chapter page as the book itself builds it.
bool only_book_bible(const QStringList& shown);

// `wanted` as it may be shown: names that `usable` refuses and repeats left
// out, at most three; the book's Bible alone when none is left.
QStringList shown_translations(const QStringList& wanted, const std::function<bool(const QString&)>& usable);

// `shown` with `name` as the main translation; one shown beside before
// leaves its place there.
QStringList with_main_translation(const QStringList& shown, const QString& name);

// `shown` with `name` beside the main one, or without it when it was beside;
// unchanged when it is the main one or three are shown already.
QStringList with_translation_toggled(const QStringList& shown, const QString& name);
