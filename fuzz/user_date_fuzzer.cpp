// The lenient date readers of the day links and the date field, and the
// reading of database date values, on arbitrary texts: a date that is read
// is valid, the field reads every date a link reads, and the program's own
// forms of it read back as the same date.

#include "dates.h"
#include "fuzz_input.h"

#include <QVariant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString text = rest_text(input);

    if (const std::optional<QDate> date = read_user_date(text)) {
        FUZZ_CHECK(date->isValid());
        FUZZ_CHECK(read_date_field(text, 2024) == date);
        FUZZ_CHECK(read_user_date(format_short_date(*date)) == date);
        FUZZ_CHECK(!format_long_date(*date).isEmpty() && !format_message_date(*date).isEmpty());
        if (date->year() >= 1930 && date->year() <= 2029)
            FUZZ_CHECK(read_user_date(format_list_date(*date)) == date);
    }

    const QDate stored = date_of(QVariant(text));
    if (stored.isValid())
        FUZZ_CHECK(text.startsWith(stored.toString(Qt::ISODate)));
    return 0;
}
