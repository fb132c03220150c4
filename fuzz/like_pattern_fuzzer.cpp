// SPDX-License-Identifier: GPL-2.0-or-later
// The Access LIKE matcher against the plain reading of its patterns
// (tests/platform/like_reference.h), on patterns and UTF-8 texts of every kind.

#include "fuzz_input.h"
#include "like_pattern.h"
#include "like_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString pattern = next_text(input, 128);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const LikePattern like(pattern);
    const bool matched = like.matches_utf8(text);
    FUZZ_CHECK(matched == reference_like(pattern, text));

    const QString value = QString::fromUtf8(text);
    if (value.toUtf8() == QByteArray::fromStdString(text))
        FUZZ_CHECK(like.matches(value) == matched && like_match(value, pattern) == matched);
    return 0;
}
