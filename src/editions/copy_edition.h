// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Adding an edition to the user's data folder: its four parts are copied
// into a hidden temporary folder there and renamed into place when complete,
// so a failed or interrupted copy leaves no half edition. The source is only
// read. Checking that the source opens is the caller's work (edition_probe.h
// and start-up).

#include "edition.h"

#include <QString>

#include <stdexcept>

class EditionCopyError : public std::runtime_error {
public:
    enum class Kind {
        year_present,  // the user's data folder holds that year already
        failed,        // reading or writing failed; nothing was changed
    };
    EditionCopyError(Kind kind, const QString& message);
    Kind kind() const { return kind_; }
    // For the user, in German.
    QString message() const { return QString::fromStdString(what()); }

private:
    Kind kind_;
};

enum class ExistingYear { keep, replace };

struct CopiedEdition {
    QString folder;           // <user data folder>/<year>
    QString replaced_folder;  // where the edition it replaced was put; empty when none
};

// Copies the parts of `source` (a missing Bible, templates or pictures folder
// is left out: edition_parts fills them from a fallback) into
// `user_data_folder`/`year`/, made with the folders above it as needed.
// Leftover temporary folders of an earlier, interrupted copy are removed
// first. When that year is there already, `keep` changes nothing and throws
// year_present; `replace` puts the present one aside, two levels down where
// it is not found as an edition ("ersetzt/<year>-YYYYMMDD-HHMMSS"), and never
// deletes it. Throws EditionCopyError (failed) naming the file and the cause.
CopiedEdition copy_edition(const EditionParts& source, const QString& user_data_folder, int year,
                           ExistingYear existing);
