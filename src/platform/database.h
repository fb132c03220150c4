// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's small database layer: what the reader asks of its two data
// files, on an embedded SQLite engine. It opens SQLite files read-only and
// copies Access (Jet3/Jet4) files into an in-memory SQLite database, so both
// answer the same queries.
//
// Values are QVariant: Null is an invalid QVariant; text is QString; whole
// numbers are qint64; reals are double; dates are QDateTime in UTC (the time
// of day is kept when the file stores one; Access and SQLite files hold local
// calendar dates, UTC merely keeps daylight-saving rules out of them).
//
// Every failure is a DatabaseError whose message names the file (or the SQL
// text) and the cause; a file that cannot be opened also tells its kind.

#include "file_failure.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>
#include <stdexcept>

class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message, FileFailure failure = FileFailure::unknown);
    QString message() const { return QString::fromStdString(what()); }
    FileFailure failure() const { return failure_; }

private:
    FileFailure failure_;
};

// A set of rows with a current row. Two kinds exist:
// - a table cursor (OpenRecordset with a table name): rows of one table in the
//   order of its current index, positioned with Index/Seek;
// - a query cursor (OpenRecordset with a SELECT): the result rows in order.
// A fresh cursor stands on its first row (EOF when there is none). A cursor
// stays usable after its Database is destroyed. After Close, moving and
// reading throw DatabaseError. Databases and cursors belong to one thread.
class Recordset {
public:
    virtual ~Recordset() = default;

    // Table cursors: makes the index of that name (matched without regard to
    // case) the current index and moves to its first row. Throws DatabaseError
    // for an unknown index or on a query cursor.
    virtual void setIndex(const QString& name) = 0;

    // Table cursors: with comparison "=" moves to the first row (in index
    // order) whose leading index columns equal `keys`; with ">=" to the first
    // row at or after `keys`. Afterwards NoMatch() tells whether such a row
    // exists; without one there is no current row (EOF). MoveNext from a found
    // row goes on in index order over the whole table. Keys are compared as
    // stored: a date is its calendar day (and time of day, when it has one).
    // Throws DatabaseError without a current index, for another comparison,
    // for no keys or more keys than the index has fields, on a query cursor.
    virtual void Seek(const QString& comparison, const QVariantList& keys) = 0;
    virtual bool NoMatch() const = 0;

    virtual void MoveFirst() = 0;
    virtual void MoveLast() = 0;
    // Without a current row (EOF, after a failed Seek) it does nothing.
    virtual void MoveNext() = 0;
    // True when there is no current row (past the last row, or no match).
    virtual bool Eof() const = 0;
    // Number of rows; exact after MoveLast (and for table cursors always).
    virtual qint64 RecordCount() const = 0;

    // Value of the field `name` (matched without regard to case) in the current
    // row. Throws DatabaseError for an unknown field or when there is no
    // current row.
    virtual QVariant Fields(const QString& name) const = 0;
    // Whether the cursor's rows have that field (without regard to case).
    virtual bool HasField(const QString& name) const = 0;

    virtual void Close() = 0;
};

class Database {
public:
    virtual ~Database() = default;

    // A table name gives a table cursor (rows in primary order until setIndex);
    // a SELECT in the Access dialect gives a query cursor. The dialect:
    // "select top N ...", LIKE with the Access wildcards (* ? # [abc] [!abc])
    // ignoring case for every letter (umlauts included), [bracketed] names,
    // table and field names in any case. The name of a saved query (vw1qov)
    // gives a query cursor over all its rows. A statement the engine rejects,
    // or one that would change the database, throws DatabaseError carrying
    // the SQL text and the cause; so does an unknown table or query name.
    virtual std::unique_ptr<Recordset> OpenRecordset(const QString& source) = 0;

    // The file this database was opened from.
    virtual QString path() const = 0;

    // Called with every source text handed to OpenRecordset, before it runs.
    using QueryObserver = std::function<void(const QString& source)>;
    virtual void setQueryObserver(QueryObserver observer) = 0;
};

// Opens the database file at `path`, deciding by its first bytes:
// - an SQLite file is opened read-only; nothing is ever written to it and no
//   journal or other file is created beside it;
// - an Access file (Jet3 or Jet4, .mdb) is copied whole into memory;
//   a password stored in it must equal the PWD of `connect`
//   ("MS Access;PWD=...;"), else "not a valid password";
// - Access 2007 and later (ACE) files are refused as "unsupported format";
// - anything else is refused as "not a database file".
// `exclusive` and `readOnly` are accepted for the callers' sake; the file is
// always opened shared and read-only. Throws DatabaseError naming the path;
// its failure() is the kind (missing, folder, unreadable, empty,
// not_a_database, unsupported_format, wrong_password, damaged), unknown only
// where the file looked sound and the engine still refused it.
std::unique_ptr<Database> OpenDatabase(const QString& path, bool exclusive = false,
                                       bool readOnly = false, const QString& connect = {});

// A part of one table: its columns `columns` and the key columns of its
// indexes `indexes`, and the indexes on them.
struct TablePart {
    QString table;
    QStringList columns;
    QStringList indexes;
};

// Opens the file as OpenDatabase does, but of an Access file copies only
// `part`, which is quick: long texts of the columns left out are not even
// read. An SQLite file is opened whole, which costs nothing. Throws as
// OpenDatabase does.
std::unique_ptr<Database> open_database_part(const QString& path, const QString& connect, const TablePart& part);

// Throws the DatabaseError OpenDatabase would give for what the file's first
// pages show (missing, folder, unreadable, empty, not a database, unsupported
// format, wrong password, cut off), without reading any table.
void check_database_file(const QString& path, const QString& connect);
