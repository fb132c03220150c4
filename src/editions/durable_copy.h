// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copying files and folders so that what is copied is on the disk when the
// copy returns (each file and folder synced), with the system's error of
// the file that failed. The sources are only read.

#include <QString>

#include <stdexcept>

class CopyFailure : public std::runtime_error {
public:
    // `error` is the system's error number (errno).
    CopyFailure(const QString& path, int error);
    const QString& path() const { return path_; }
    // The cause in German: "auf dem Datenträger ist nicht genug Platz", ...
    QString german_cause() const;

private:
    QString path_;
    int error_;
};

// Copies the file `source` (a link is followed) to `target`, which must not
// exist yet.
void copy_file_durably(const QString& source, const QString& target);

// Copies the folder `source` with all it holds (files, hidden ones too, and
// folders; links followed, a link back into the folders being copied, a link
// that leads nowhere and anything but files and folders left out) to
// `target`, which must not exist yet.
void copy_folder_durably(const QString& source, const QString& target);

// Makes `folder` and the folders above it that are missing.
void make_folders(const QString& folder);

// Writes the folder's entries (new names, renames) to the disk.
void sync_folder(const QString& folder);

// Renames `from` to `to`; an existing `to` is an error. The new names are
// on the disk once their folders are synced.
void rename_without_replacing(const QString& from, const QString& to);
