// The copy of an Access file's tables into SQLite, in process, so that the
// fuzzer sees which parts of our reading code (rows, values, long values)
// each input reaches. In the program this runs in the import's child
// process, which ends after one file; leaks are therefore not looked for
// (-detect_leaks=0), and libmdb faults stop only that child. Run with
// -fork and -ignore_crashes, the crashes this finds are checked afterwards:
// each must be inside libmdb and give the import's "damaged file" error.

#include "access_copy.h"
#include "access_header.h"
#include "fuzz_input.h"

#include <sqlite3.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr qsizetype catalog_page = 2;
constexpr std::uint8_t table_definition_page = 0x02;

// What the import checks in the parent before handing a file over.
bool passes_parent_checks(QByteArrayView file, const AccessHeader& header)
{
    if (header.format != AccessFormat::Jet3 && header.format != AccessFormat::Jet4)
        return false;
    return file.size() % header.page_size == 0 && file.size() / header.page_size > catalog_page
        && page_type(file, header, catalog_page) == table_definition_page;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView view(data, qsizetype(size));
    const AccessHeader header = read_access_header(view);
    if (!passes_parent_checks(view, header))
        return -1;  // not worth keeping: the import never gets this far

    std::vector<std::uint8_t> file(data, data + size);
    try {
        decode_pages(file, header.format, header.database_key);
        sqlite3* db = copy_access_tables(file);
        sqlite3_int64 image_size = 0;
        sqlite3_free(sqlite3_serialize(db, "main", &image_size, 0));
        sqlite3_close(db);
    } catch (const std::runtime_error&) {
    }
    return 0;
}
