// SPDX-License-Identifier: GPL-2.0-or-later
// Opening the big Bible file into memory: reading the header, the isolated
// copy through libmdb in a child process, and loading the copy.

#include "access_import.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>

#include <cstring>
#include <memory>

namespace {

void import_bible_big(benchmark::State& state)
{
    const QString path = QStringLiteral(SELUNAR_JET_FIXTURES "/bible_big.mdb");
    const QString connect = QStringLiteral("MS Access;PWD=Murb64#7;");
    for (auto _ : state) {
        sqlite3* db = import_access_database(path, connect);
        benchmark::DoNotOptimize(db);
        sqlite3_close(db);
    }
}

}  // namespace

static void BM_ImportBibleBig(benchmark::State& state)
{
    import_bible_big(state);
}
// The work happens in a child process: only the wall time tells.
BENCHMARK(BM_ImportBibleBig)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same from a process holding 256 MB, as a running GUI program may: the
// fork copies the page tables of all of it.
static void BM_ImportBibleBigFromLargeProcess(benchmark::State& state)
{
    constexpr std::size_t held = 256u << 20;
    const std::unique_ptr<char[]> memory(new char[held]);
    std::memset(memory.get(), 1, held);
    benchmark::DoNotOptimize(memory.get());
    import_bible_big(state);
}
BENCHMARK(BM_ImportBibleBigFromLargeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
