// The command parsing of followed links on arbitrary addresses, as the link
// handler does it: the date text of a day link read as a date, the key of a
// Bible link checked against the book table, the author number of an author
// link read as a whole number.

#include "StdUtil.h"
#include "bible_position.h"
#include "dates.h"
#include "fuzz_input.h"
#include "link_address.h"

namespace {

// Books 1 to 66 with up to 150 chapters, as the Bible database has them.
const Buecher& books()
{
    static const Buecher table = [] {
        Buecher b(67);
        for (int book = 1; book <= 66; ++book)
            b[size_t(book)] = {QStringLiteral("Buch %1").arg(book), qint64(book * 37 % 150 + 1), qint64(book)};
        return b;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString address = rest_text(input);

    if (const std::optional<QString> date_text = goto_date_text(address)) {
        FUZZ_CHECK(!date_text->contains(u'|'));
        FUZZ_CHECK(address.contains(QStringLiteral("GOTO") + *date_text + u'|'));
        if (const auto date = read_user_date(*date_text))
            FUZZ_CHECK(date->isValid());
    } else {
        FUZZ_CHECK(!address.contains(u"GOTO") || !address.mid(address.indexOf(u"GOTO")).contains(u'|'));
    }

    const QString field = GetToken(address, QStringLiteral("|"), 2);
    FUZZ_CHECK(!field.contains(u'|'));
    if (const auto position = showable_position(field, books()))
        FUZZ_CHECK(position->book >= 1 && position->book <= 66 && position->chap >= 1);

    if (const std::optional<qint64> aid = leading_number(field)) {
        // The number goes into the author query as it reads back.
        FUZZ_CHECK(leading_number(QString::number(*aid)) == aid);
    }
    return 0;
}
