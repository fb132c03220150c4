// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The store of the reader's own layer: one SQLite file of the user's, made on
// first use. Each change is one transaction. The schema carries a version; a
// file of a newer version is only read, never rewritten. A damaged file is
// renamed aside unchanged and a new empty store takes its place.

#include "personal_data.h"

#include <QDateTime>
#include <QString>

#include <memory>

class WritableSqlite;

class PersonalStore {
public:
    // The schema version this program writes.
    static constexpr int schema_version = 1;

    struct Opened {
        std::unique_ptr<PersonalStore> store;  // none when the file cannot be used at all
        QString message;                       // German, naming the file; empty when all is well
    };

    // Opens the store at `path`, creating it (and its folder) when missing.
    // A damaged file becomes "<path>.defekt-YYYYMMDD-HHMMSS" (`now`), with
    // its journal files, and a new store is made.
    static Opened open(const QString& path, const QDateTime& now);
    ~PersonalStore();

    QString path() const;
    bool read_only() const { return read_only_; }

    // Changes; each throws DatabaseError (with a German message when the
    // store is only read) and then changes nothing.
    void set_read(QDate day, bool read);
    void set_star(const Target& target, bool starred);
    // The target's notes become `text` alone; empty text removes them.
    void set_note(const Target& target, const QString& text);
    // Adds what `data` holds and the store lacks, in one transaction: a note
    // with another text than those of its target becomes one more note.
    // Returns how many entries were added.
    int merge(const PersonalData& data);

    PersonalData data() const;
    bool is_read(QDate day) const;
    bool is_starred(const Target& target) const;
    // The target's notes, in the order written.
    QStringList notes(const Target& target) const;

private:
    PersonalStore(std::unique_ptr<WritableSqlite> file, bool read_only);
    // Opens a file that is sound; throws DatabaseError (`damaged` for a file
    // that is not a store of this program).
    static Opened open_sound(const QString& path);
    void change(const std::function<void()>& work);

    std::unique_ptr<WritableSqlite> file_;
    bool read_only_ = false;
};
