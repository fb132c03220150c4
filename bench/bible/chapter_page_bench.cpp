// SPDX-License-Identifier: GPL-2.0-or-later
// The longest chapter, Psalm 119, with three highlighted ranges.
#include "chapter_page.h"
#include "startup.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChapterPagePsalm119(benchmark::State& bench)
{
    const std::unique_ptr<OpenBook> book = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    const QString hilitebcv = QStringLiteral("19_119_1-8/19_119_97-104/19_119_169-176");
    for (auto _ : bench) {
        QString page = renderchap(19, 119, *book->rsTexte, book->tplbibel, book->tplvers, book->lists.buecher, hilitebcv);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_ChapterPagePsalm119)->Unit(benchmark::kMicrosecond);

} // namespace
