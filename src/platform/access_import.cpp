// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_import.h"

#include "access_copy.h"
#include "access_header.h"
#include "access_isolation.h"
#include "database.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

namespace {

// Far more than any sound file needs (bible_big.mdb with 31,102 verses takes
// a tenth of a second), short enough that a hanging import does not pass for
// a hung program for long.
constexpr std::chrono::seconds import_timeout{20};

// libmdb reads the table catalog from page 2 without checking what it finds.
constexpr qsizetype catalog_page = 2;
constexpr std::uint8_t table_definition_page = 0x02;

DatabaseError error_for(const QString& path, const QString& cause, FileFailure failure)
{
    return DatabaseError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), cause), failure);
}

// What libmdb takes on trust before it reads anything: whole pages and a
// table catalog where it looks for one. Empty when sound.
// `head` is the start of the file, at least up to its table catalog's first
// byte when the file is that long; `size` the file's size.
QString structure_fault(QByteArrayView head, qint64 size, const AccessHeader& header)
{
    const qsizetype page_size = header.page_size;
    if (size % page_size != 0)
        return QStringLiteral("damaged file: its size (%1 bytes) is not a whole number of %2-byte pages")
            .arg(size)
            .arg(page_size);
    if (size / page_size <= catalog_page)
        return QStringLiteral("damaged file: it ends after %1 pages, before its table catalog")
            .arg(size / page_size);
    if (page_type(head, header, catalog_page) != table_definition_page)
        return QStringLiteral("damaged file: its table catalog is missing");
    return {};
}

// Refuses, before anything is copied, what the first pages tell: a foreign
// or too new file, a wrong password, a file cut off or without its catalog.
AccessHeader checked_header(const QString& path, QByteArrayView head, qint64 size, const QString& connect)
{
    const AccessHeader header = read_access_header(head);
    if (header.format == AccessFormat::NotAccess)
        throw error_for(path, QStringLiteral("not an Access (Jet) database file"), FileFailure::not_a_database);
    if (header.format == AccessFormat::Ace)
        throw error_for(path, QStringLiteral("unsupported format: Access 2007 and later (.accdb) files "
                                             "cannot be read; save the database as an Access "
                                             "2000-2003 file (.mdb)"),
                        FileFailure::unsupported_format);
    if (!header.password.isEmpty() && header.password != connect_password(connect))
        throw error_for(path, QStringLiteral("not a valid password"), FileFailure::wrong_password);
    if (const QString fault = structure_fault(head, size, header); !fault.isEmpty())
        throw error_for(path, fault, FileFailure::damaged);
    return header;
}

[[noreturn]] void throw_unreadable(const QString& path, const QFile& input)
{
    throw error_for(path, QStringLiteral("cannot read the file: %1").arg(input.errorString()),
                    FileFailure::unreadable);
}

QString isolation_fault(const IsolationError& error)
{
    switch (error.kind()) {
    case IsolationError::Kind::Failed:
        return QString::fromStdString(error.what());
    case IsolationError::Kind::Crashed:
        return QStringLiteral("damaged file: the import crashed (%1)").arg(QString::fromStdString(error.what()));
    case IsolationError::Kind::TimedOut:
        break;
    }
    return QStringLiteral("damaged file: the import timed out after %1 s").arg(import_timeout.count());
}

struct SqliteFree {
    void operator()(void* memory) const { sqlite3_free(memory); }
};
struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// Maps in the pages of a fresh block at once, in huge pages where the system
// offers them: filling the block then takes no page fault per page, which is
// costly, above all in virtual machines.
void populate(void* block, std::size_t size)
{
    const auto page_size = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(block) + page_size - 1) & ~(page_size - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(block) + size;
    if (end <= start)
        return;
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
}

// All memory the child writes is fresh: the tables it reads, the database
// and the image it hands back. It takes that memory from one block of its
// heap, populated at once. Only the child's allocator is changed.
void prepare_child_heap(std::size_t file_size)
{
    // The allocator's largest threshold: big blocks come from the heap too,
    // and the heap is never given back.
    constexpr std::size_t heap_block_limit = 32u << 20;
    mallopt(M_MMAP_THRESHOLD, heap_block_limit);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    // Database and image together take about twice the file.
    const std::size_t size = std::min(file_size * 3, heap_block_limit - (1u << 20));
    void* block = malloc(size);
    if (!block)
        return;
    populate(block, size);
    free(block);
}

// The child process copies the tables and hands back the finished database
// as one block of memory: libmdb may crash or loop on a damaged file. The file
// is mapped copy-on-write, so the child decodes encoded pages in place
// without touching the parent's view of it.
sqlite3* copied_database(std::span<std::uint8_t> file, const AccessHeader& header, const AccessSelection& selection)
{
    const AccessFormat format = header.format;
    const std::uint32_t database_key = header.database_key;
    std::unique_ptr<unsigned char, SqliteFree> image;
    const std::size_t size = run_isolated(
        [file, format, database_key, &selection] {
            // A part of a file makes a small database: no heap to prepare.
            if (selection.table.empty())
                prepare_child_heap(file.size());
            decode_pages(file, format, database_key);
            sqlite3* db = copy_access_tables(file, selection);
            sqlite3_int64 image_size = 0;
            const unsigned char* image = sqlite3_serialize(db, "main", &image_size, 0);
            // A file without user tables gives an empty database: no image.
            if (!image && image_size > 0)
                throw std::runtime_error("cannot hand over the copied database");
            return std::span(reinterpret_cast<const char*>(image), static_cast<std::size_t>(image_size));
        },
        [&image](std::size_t size) {
            image.reset(static_cast<unsigned char*>(sqlite3_malloc64(size)));
            if (image)
                populate(image.get(), size);
            return reinterpret_cast<char*>(image.get());
        },
        import_timeout);

    sqlite3* raw_db = nullptr;
    const int opened = sqlite3_open(":memory:", &raw_db);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw_db);
    if (opened != SQLITE_OK
        || sqlite3_deserialize(db.get(), "main", image.release(), static_cast<sqlite3_int64>(size),
                               static_cast<sqlite3_int64>(size),
                               SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE)
               != SQLITE_OK)
        return nullptr;
    return db.release();
}

}  // namespace

void check_access_database(const QString& path, const QString& connect)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        throw_unreadable(path, input);
    // The largest page size: enough for the table catalog's first byte.
    constexpr qint64 head_size = (catalog_page + 1) * 4096 + 1;
    const QByteArray head = input.read(head_size);
    if (input.error() != QFileDevice::NoError)
        throw_unreadable(path, input);
    checked_header(path, head, input.size(), connect);
}

sqlite3* import_access_database(const QString& path, const QString& connect, const AccessSelection& selection)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        throw_unreadable(path, input);
    // Mapped, not read: the parent looks at the first pages only, the child
    // reads the rest.
    const qint64 size = input.size();
    uchar* mapped = size > 0 ? input.map(0, size, QFileDevice::MapPrivateOption) : nullptr;
    QByteArray contents;
    if (!mapped && size > 0) {
        contents = input.readAll();
        if (input.error() != QFileDevice::NoError)
            throw_unreadable(path, input);
    }
    const std::span<std::uint8_t> file = mapped
        ? std::span(mapped, static_cast<std::size_t>(size))
        : std::span(reinterpret_cast<std::uint8_t*>(contents.data()), static_cast<std::size_t>(contents.size()));
    const QByteArrayView view(file.data(), static_cast<qsizetype>(file.size()));
    const AccessHeader header = checked_header(path, view, view.size(), connect);

    sqlite3* db = nullptr;
    try {
        db = copied_database(file, header, selection);
    } catch (const IsolationError& error) {
        throw error_for(path, isolation_fault(error), FileFailure::damaged);
    }
    if (!db)
        throw error_for(path, QStringLiteral("cannot load the copied database into memory"), FileFailure::unknown);
    return db;
}
