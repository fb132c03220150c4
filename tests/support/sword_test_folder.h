// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A SWORD folder of a test's own: copies of real modules no one here wrote
// (Debian's King James Version and World English Bible, the shared
// Elberfelder module), to which a test adds damaged ones.

#include <QString>
#include <QTemporaryDir>

class SwordTestFolder {
public:
    // The folder with the three modules engKJV2006eb, engWEB2015eb and
    // GerElb1905, each in its own data folder modules/texts/ztext/<name>.
    SwordTestFolder();

    QString path() const { return dir_.path(); }
    // A file or folder inside: "modules/texts/ztext/engKJV2006eb/ot.bzz".
    QString file(const QString& relative) const { return dir_.filePath(relative); }

    // Writes mods.d/<file_name> with `text`.
    void write_description(const QString& file_name, const QByteArray& text) const;
    // A module named `name` with the description of `module` (one of the
    // three), its lines changed by `changes` ("Key=Value" each, added where
    // it lacks the key) and its data in a copy modules/texts/ztext/<name>.
    // Returns that data folder.
    QString copy_module(const QString& module, const QString& name, const QByteArrayList& changes = {}) const;

private:
    QTemporaryDir dir_;
};
