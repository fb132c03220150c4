// SPDX-License-Identifier: GPL-2.0-or-later
// Finding the desktop's Bible modules where the SWORD programs look, with the
// check of their data files.
#include "sword_library.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FindBibleModules(benchmark::State& bench)
{
    for (auto _ : bench) {
        const SwordLibrary library;
        benchmark::DoNotOptimize(library.modules().data());
        bench.counters["modules"] = double(library.modules().size());
    }
}
BENCHMARK(BM_FindBibleModules)->Unit(benchmark::kMillisecond);

} // namespace
