// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "edition.h"  // bible_connect
#include "file_failure.h"
#include "open_book.h"

#include <QString>

#include <stdexcept>

// Start-up could not finish: what() names the file and what went wrong, for
// the record; failure() is the kind, for the user's message.
class StartupError : public std::runtime_error {
public:
    StartupError(const QString& file, const QString& cause, FileFailure failure);
    const QString& file() const { return file_; }
    const QString& cause() const { return cause_; }
    FileFailure failure() const { return failure_; }

private:
    QString file_;
    QString cause_;
    FileFailure failure_;
};

// The failure in the user's words: the file and its German cause
// (".../qov.mdb: die Datei fehlt").
QString german_message(const StartupError& error);

// The edition of the folder `apppath` opened as start-up opens it, its parts
// in `files`: both databases and their cursors open, the templates read and
// cut, the year's first and last date, and the lookup lists. `observer`, when
// given, sees every query on either database from the lookup lists on.
// Throws StartupError for a missing or unreadable database or template, a
// wrong Bible password, an empty "QOV" or a failing lookup query.
std::unique_ptr<OpenBook> open_book(const QString& apppath, const EditionParts& files,
                                    const Database::QueryObserver& observer = {});
// The same with the four parts inside `apppath`.
std::unique_ptr<OpenBook> open_book(const QString& apppath, const Database::QueryObserver& observer = {});
