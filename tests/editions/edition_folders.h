// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Data folders for the tests of editions, in a temporary folder: small SQLite
// books of any days, the team's Access fixtures, the demo data's templates.

#include "edition.h"
#include "sqlite_test.h"  // PrintTo for texts

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestFolder {
public:
    TestFolder();

    // Absolute and clean; "." is the folder itself.
    QString path(const QString& relative = QStringLiteral(".")) const;

    // An SQLite book in `folder` whose table "QOV" holds `first`, a day
    // between and `last`, stored out of date order.
    void book(const QString& folder, QDate first, QDate last) const;
    void book(const QString& folder, int year) const;
    // An SQLite book made by `statements`.
    void sql_book(const QString& folder, const QStringList& statements) const;
    void access_book(const QString& folder) const;
    // The Access Bible fixture, with another password when one is given.
    void bible(const QString& folder, const QString& password = {}) const;
    void templates(const QString& folder) const;
    void pictures(const QString& folder) const;
    // All four parts, the book a whole year.
    void edition(const QString& folder, int year) const;

    void file(const QString& relative, const QByteArray& bytes) const;
    void link(const QString& relative, const QString& target) const;
    void folder(const QString& relative) const;

    // Each edition as "<folder> <year> ok" or "<folder> <year> <reason>",
    // paths relative to this folder.
    QStringList summary(const Editions& editions) const;
    QString relative(const QString& text) const;
    // Every entry below this folder with its kind, size and time of change.
    QStringList snapshot() const;

private:
    QTemporaryDir dir_;
    QString root_;
};

QByteArray file_bytes(const QString& path);
