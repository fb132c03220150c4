// SPDX-License-Identifier: GPL-2.0-or-later
#include "database.h"

#include "access_import.h"
#include "sqlite_database.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <string>
#include <vector>

DatabaseError::DatabaseError(const QString& message, FileFailure failure)
    : std::runtime_error(message.toStdString())
    , failure_(failure)
{
}

namespace {

constexpr qsizetype header_size = 100; // an SQLite file's header

[[noreturn]] void fail(const QString& path, const QString& cause, FileFailure failure)
{
    throw DatabaseError(path + QStringLiteral(": ") + cause, failure);
}

quint32 big_endian(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | quint8(bytes[offset + i]);
    return value;
}

// A cut-off SQLite file opens fine and fails only on the pages that are
// missing; its header tells how long it must be, so check that up front.
void check_sqlite_header(const QString& path, const QByteArray& header, qint64 file_size)
{
    if (header.size() < header_size)
        fail(path, QStringLiteral("damaged or truncated database file (header cut off)"), FileFailure::damaged);
    quint32 page_size = big_endian(header, 16, 2);
    if (page_size == 1)
        page_size = 65536;
    if (page_size < 512 || page_size > 65536 || (page_size & (page_size - 1)) != 0)
        fail(path, QStringLiteral("damaged database file (invalid page size)"), FileFailure::damaged);
    // The page count is valid when the change counter equals the
    // "version valid for" number.
    const quint32 pages = big_endian(header, 28, 4);
    const bool pages_valid = pages > 0 && big_endian(header, 24, 4) == big_endian(header, 92, 4);
    const qint64 expected = pages_valid ? qint64(pages) * page_size : page_size;
    if (file_size < expected)
        fail(path, QStringLiteral("damaged or truncated database file (%1 bytes of %2)").arg(file_size).arg(expected),
             FileFailure::damaged);
}

// Opens an SQLite file strictly for reading: "immutable" makes SQLite take no
// locks and never create a journal, WAL or shared-memory file beside it.
sqlite3* open_sqlite_read_only(const QString& path)
{
    const QString uri =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(uri.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        const QString cause = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        fail(path, cause, FileFailure::unreadable);
    }
    return db;
}

enum class FileKind { sqlite, access };

// What the file's first bytes say it is; throws for a file that is missing,
// a folder, unreadable, empty, a cut-off SQLite file or no database at all.
FileKind file_kind(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        fail(path, QStringLiteral("file not found"), FileFailure::missing);
    if (info.isDir())
        fail(path, QStringLiteral("is a folder, not a database file"), FileFailure::folder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot be read (%1)").arg(file.errorString()), FileFailure::unreadable);
    const QByteArray header = file.read(header_size);
    if (header.isEmpty() && file.error() != QFileDevice::NoError)
        fail(path, QStringLiteral("cannot be read (%1)").arg(file.errorString()), FileFailure::unreadable);
    const qint64 size = file.size();
    file.close();
    if (header.isEmpty())
        fail(path, QStringLiteral("the file is empty"), FileFailure::empty);

    if (header.startsWith(QByteArrayView("SQLite format 3\0", 16))) {
        check_sqlite_header(path, header, size);
        return FileKind::sqlite;
    }
    const QByteArray signature = header.mid(4, 16);
    if (signature == QByteArrayView("Standard Jet DB\0", 16) || signature == QByteArrayView("Standard ACE DB\0", 16))
        return FileKind::access;
    fail(path, QStringLiteral("not a database file"), FileFailure::not_a_database);
}

std::unique_ptr<Database> open_file(const QString& path, const QString& connect, const AccessSelection& selection)
{
    if (file_kind(path) == FileKind::sqlite)
        return std::make_unique<SqliteDatabase>(open_sqlite_read_only(path), path);
    return std::make_unique<SqliteDatabase>(import_access_database(path, connect, selection), path);
}

std::vector<std::string> utf8_names(const QStringList& names)
{
    std::vector<std::string> result;
    for (const QString& name : names)
        result.push_back(name.toStdString());
    return result;
}

} // namespace

std::unique_ptr<Database> OpenDatabase(const QString& path, bool, bool, const QString& connect)
{
    return open_file(path, connect, {});
}

std::unique_ptr<Database> open_database_part(const QString& path, const QString& connect, const TablePart& part)
{
    return open_file(path, connect, {part.table.toStdString(), utf8_names(part.columns), utf8_names(part.indexes)});
}

void check_database_file(const QString& path, const QString& connect)
{
    if (file_kind(path) == FileKind::sqlite)
        sqlite3_close(open_sqlite_read_only(path));
    else
        check_access_database(path, connect);
}
