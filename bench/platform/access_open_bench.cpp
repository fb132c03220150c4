// Opening the big Bible file into memory: reading the header, the isolated
// copy through libmdb in a child process, and loading the copy.

#include "access_import.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>

static void BM_ImportBibleBig(benchmark::State& state)
{
    const QString path = QStringLiteral(SELUNAR_JET_FIXTURES "/bible_big.mdb");
    const QString connect = QStringLiteral("MS Access;PWD=Murb64#7;");
    for (auto _ : state) {
        sqlite3* db = import_access_database(path, connect);
        benchmark::DoNotOptimize(db);
        sqlite3_close(db);
    }
}
// The work happens in a child process: only the wall time tells.
BENCHMARK(BM_ImportBibleBig)->Unit(benchmark::kMillisecond)->UseRealTime();
