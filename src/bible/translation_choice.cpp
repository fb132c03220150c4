// SPDX-License-Identifier: GPL-2.0-or-later
#include "translation_choice.h"

namespace {

const QString book_bible = QStringLiteral("Buch");

} // namespace

bool only_book_bible(const QStringList& shown)
{
    return shown.isEmpty() || shown == QStringList{book_bible};
}

QStringList shown_translations(const QStringList& wanted, const std::function<bool(const QString&)>& usable)
{
    QStringList shown;
    for (const QString& name : wanted)
        if (shown.size() < max_translations && !shown.contains(name) && (name == book_bible || usable(name)))
            shown.append(name);
    return shown.isEmpty() ? QStringList{book_bible} : shown;
}

QStringList with_main_translation(const QStringList& shown, const QString& name)
{
    QStringList result{name};
    for (qsizetype i = 1; i < shown.size(); ++i)
        if (shown[i] != name)
            result.append(shown[i]);
    return result;
}

QStringList with_translation_toggled(const QStringList& shown, const QString& name)
{
    if (shown.isEmpty() || shown.front() == name)
        return shown;
    QStringList result = shown;
    if (result.removeOne(name))
        return result;
    if (result.size() < max_translations)
        result.append(name);
    return result;
}
