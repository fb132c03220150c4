// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Turning a fuzzer's bytes into the program's kinds of input.

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdio>
#include <cstdlib>

// The next text of the input: bytes up to a lone "\" (a doubled "\\" stands
// for one backslash), read as UTF-8 as the program reads its files.
inline QString next_text(FuzzedDataProvider& input, std::size_t max_length = 4096)
{
    return QString::fromStdString(input.ConsumeRandomLengthString(max_length));
}

// The rest of the input as one text.
inline QString rest_text(FuzzedDataProvider& input)
{
    return QString::fromStdString(input.ConsumeRemainingBytesAsString());
}

// A failed property: the fuzzer stops on the abort and keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);   \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
