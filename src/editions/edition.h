// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An edition ("Jahrgang") of the book: the four parts one year's folder
// holds, where they lie and what a probe found of them.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The parts of an edition, as absolute paths.
struct EditionParts {
    QString book_file;         // qov.mdb
    QString bible_file;        // elberfelderbibel.mdb
    QString templates_folder;  // qovfiles
    QString pictures_folder;   // qov_pics
    bool operator==(const EditionParts&) const = default;
};

struct Edition {
    QString folder;  // absolute, the edition's own folder, without a trailing "/"
    EditionParts parts;
    int year = 0;  // the year of its first day; 0 when its days could not be read
    QDate firstdate, lastdate;  // the first and last day of its book; invalid when unknown
    bool usable = false;
    QString reason;  // why it cannot be used, in German as start-up says it; empty when usable
};

using Editions = QList<Edition>;

// The names of the parts inside an edition's folder.
QString book_name();       // "qov.mdb"
QString bible_name();      // "elberfelderbibel.mdb"
QString templates_name();  // "qovfiles"
QString pictures_name();   // "qov_pics"
// The six templates every edition's templates folder must hold.
QStringList template_names();

// The connect text that opens an edition's Bible file.
QString bible_connect();

// The parts in `folder` (absolute or not); where the folder lacks the Bible,
// the templates folder or the pictures folder, the part of `fallback` that
// exists, else the folder's own (missing) path.
EditionParts edition_parts(const QString& folder, const EditionParts& fallback = {});

// The folder a user's choice names: `place` itself, or the folder of a file
// (a chosen qov.mdb). Absolute and clean.
QString edition_folder(const QString& place);
