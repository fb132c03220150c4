// What the program reads of an Access file before the import's child
// process takes over: the header page with its format, password and page
// key, the type byte of a page, and the decoding of encoded pages. Also the
// password of a connect string.

#include "access_header.h"
#include "fuzz_input.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView file(data, qsizetype(size));
    const AccessHeader header = read_access_header(file);

    switch (header.format) {
    case AccessFormat::NotAccess:
        FUZZ_CHECK(header.page_size == 0 && header.password.isEmpty());
        break;
    case AccessFormat::Jet3:
        FUZZ_CHECK(header.page_size == 2048);
        break;
    case AccessFormat::Jet4:
    case AccessFormat::Ace:
        FUZZ_CHECK(header.page_size == 4096);
        break;
    }

    if (header.page_size > 0) {
        const qsizetype pages = file.size() / header.page_size;
        for (qsizetype page = 0; page < pages && page < 4; ++page)
            page_type(file, header, page);
        if (header.format != AccessFormat::Ace && pages > 0) {
            std::vector<std::uint8_t> whole_pages(data, data + pages * header.page_size);
            decode_pages(whole_pages, header.format, header.database_key);
            const AccessHeader decoded = read_access_header(
                QByteArrayView(whole_pages.data(), qsizetype(whole_pages.size())));
            FUZZ_CHECK(decoded.database_key == 0 && decoded.format == header.format);
        }
    }

    connect_password(QString::fromUtf8(file.first(std::min<qsizetype>(file.size(), 256))));
    return 0;
}
