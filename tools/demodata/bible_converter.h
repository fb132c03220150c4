// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The reader's Bible from any SWORD Bible module: the user's own translation
// as "elberfelderbibel.mdb".

#include <QString>
#include <QStringList>

#include <stdexcept>

// Why the Bible file was not written beyond what BibleSourceError says; the
// message is for the user (German).
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ConversionReport {
    int chapters = 0;
    int verses_with_text = 0;
    // Books that differ from the reader's book list (differences_from_book_list).
    QStringList differences;
};

// Writes "elberfelderbibel.mdb" into the existing folder `out_folder` from the
// Bible module `module_name` (looked up as read_sword_bible does), replacing
// an older file only when the new one is complete. Leaves the folder as it was
// and throws BibleSourceError when the module is missing, is no Bible or has
// no text, ConversionError when the folder is missing or the file cannot be
// written.
ConversionReport convert_bible(const QString& module_name, const QString& sword_path,
                               const QString& out_folder);
