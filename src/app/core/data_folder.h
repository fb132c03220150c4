// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the reader finds its data files (qov.mdb, elberfelderbibel.mdb,
// qovfiles/, qov_pics/) when the command line does not name a folder.

#include <QString>
#include <QStringList>

#include <optional>

struct DataFolderPlaces {
    std::optional<QString> data_dir;  // --data-dir, taken as it is
    QString program_dir;              // the folder of the program file
    QStringList data_locations;       // the user's data folder first, then the system's (XDG)
};

struct DataFolderChoice {
    QString folder;     // absolute, without a trailing "/"
    QStringList tried;  // every folder looked at, in order
};

// `data_dir` when given. Otherwise the first folder holding an edition (a
// qov.mdb of its own or in a direct subfolder, find_editions.h) among:
// "selunar" in the user's data folder (the files a user brought along), the
// installed demo data "../share/selunar" beside the program, the program's
// own folder (a build tree or an unpacked copy), "selunar" in each system
// data folder. When none holds it, the program's folder, so that start-up
// names the file it misses there. A folder is looked at once.
DataFolderChoice find_data_folder(const DataFolderPlaces& places);

// The places of this process: QStandardPaths' generic data locations.
DataFolderPlaces data_folder_places(const std::optional<QString>& data_dir, const QString& program_dir);
