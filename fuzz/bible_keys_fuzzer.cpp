// setactbcv, the showable-position check and testhilite on arbitrary keys
// and book tables: a key that passes the check names a book and chapter the
// table holds, the position read from a well-formed key is the first verse
// of its first reference, and a highlighted verse lies in a reference of the
// key.

#include "bcv_key.h"
#include "bible_position.h"
#include "buecher.h"
#include "chapter_page.h"
#include "fuzz_input.h"

namespace {

// A book table as [Bibel] might fill it: some rows missing, some chapter
// counts Null or not numbers.
Buecher book_table(FuzzedDataProvider& input)
{
    Buecher buecher(input.ConsumeIntegralInRange<size_t>(0, 70));
    for (size_t book = 1; book < buecher.size(); ++book) {
        const uint8_t kind = input.ConsumeIntegral<uint8_t>();
        if (kind % 16 == 0)
            continue;
        BuchRow& row = buecher[book];
        row.lfdnr = qint64(book);
        row.buch = QStringLiteral("Buch %1").arg(book);
        if (kind % 16 == 1)
            row.maxkapitel = QStringLiteral("viele");
        else if (kind % 16 != 2)
            row.maxkapitel = qint64(kind % 151);
    }
    return buecher;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int book = input.ConsumeIntegralInRange<int>(-1, 70);
    const int chap = input.ConsumeIntegralInRange<int>(-1, 200);
    const int verse = input.ConsumeIntegralInRange<int>(-1, 200);
    const Buecher buecher = book_table(input);
    const QString key = rest_text(input);

    int b = -1, c = -1, v = -1;
    setactbcv(key, b, c, v);

    const bool wellformed = is_wellformed_bcv(key);
    if (wellformed) {
        const auto first = parse_reference(QStringView(key).split(u'/').front());
        FUZZ_CHECK(first && b == first->book && c == first->from_chap && v == first->from_verse);
    }

    if (const auto position = showable_position(key, buecher)) {
        FUZZ_CHECK(wellformed);
        FUZZ_CHECK(*position == (BiblePosition{b, c, v}));
        const BuchRow* row = find_buch(buecher, b);
        FUZZ_CHECK(row && b >= 1 && b <= 66 && c >= 1 && c <= row->maxkapitel.toInt());
    }

    if (testhilite(key, book, chap, verse)) {
        FUZZ_CHECK(verse >= 1);
        bool in_a_reference = false;
        for (const BcvReference& ref : highlight_references(key))
            in_a_reference = in_a_reference || ref.book == book;
        FUZZ_CHECK(in_a_reference);
    }
    return 0;
}
