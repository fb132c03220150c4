// GetToken, StrReplace and StrReplaceInPlace on arbitrary texts, checked
// against Qt's own splitting: field n of a text is the n-th part of
// QString::split, and replacing every occurrence left to right is splitting
// at them and joining with the replacement.

#include "StdUtil.h"
#include "fuzz_input.h"

#include <QStringList>
#include <QVariant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange<int>(-2, 40);
    const QString sep = next_text(input, 64);
    const QString repl = next_text(input, 64);
    const QString text = rest_text(input);

    const QString field = GetToken(text, sep, n);
    FUZZ_CHECK(GetToken(QVariant(text), sep, n) == field);
    FUZZ_CHECK(GetToken(QVariant(), sep, n).isEmpty());
    if (sep.isEmpty()) {
        FUZZ_CHECK(field == (n <= 1 ? text : QString()));
    } else {
        const QStringList parts = text.split(sep);
        const qsizetype index = n <= 1 ? 0 : n - 1;
        FUZZ_CHECK(field == (index < parts.size() ? parts[index] : QString()));
    }

    QString in_place = text;
    StrReplaceInPlace(in_place, sep, repl);
    FUZZ_CHECK(StrReplace(text, sep, repl) == in_place);
    FUZZ_CHECK(StrReplace(QVariant(text), sep, repl) == in_place);
    FUZZ_CHECK(in_place == (sep.isEmpty() ? text : text.split(sep).join(repl)));

    QString with_null = text;
    StrReplaceInPlace(with_null, sep, QVariant());
    FUZZ_CHECK(with_null == StrReplace(text, sep, QString()));

    FUZZ_CHECK(NullToEmpty(QVariant()) == QVariant(QString()));
    FUZZ_CHECK(NullToEmpty(QVariant(text)) == QVariant(text));
    return 0;
}
