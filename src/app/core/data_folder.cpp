// SPDX-License-Identifier: GPL-2.0-or-later
#include "data_folder.h"

#include "find_editions.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString clean(const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

DataFolderChoice find_data_folder(const DataFolderPlaces& places)
{
    DataFolderChoice choice;
    if (places.data_dir) {
        choice.folder = clean(*places.data_dir);
        choice.tried = {choice.folder};
        return choice;
    }

    const QString program_dir = clean(places.program_dir);
    const QStringList& locations = places.data_locations;
    QStringList candidates;
    if (!locations.isEmpty())
        candidates.append(locations.first() + QStringLiteral("/selunar"));
    candidates.append(program_dir + QStringLiteral("/../share/selunar"));
    candidates.append(program_dir);
    for (const QString& location : locations.mid(1))
        candidates.append(location + QStringLiteral("/selunar"));

    for (const QString& candidate : candidates) {
        const QString folder = clean(candidate);
        if (choice.tried.contains(folder))
            continue;
        choice.tried.append(folder);
        if (holds_edition(folder)) {
            choice.folder = folder;
            return choice;
        }
    }
    choice.folder = program_dir;
    return choice;
}

DataFolderPlaces data_folder_places(const std::optional<QString>& data_dir, const QString& program_dir)
{
    return {data_dir, program_dir, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)};
}
