// SPDX-License-Identifier: GPL-2.0-or-later
// The day page of a demo date, built from the demo data in the program
// folder (without showing it).
#include "day_page.h"
#include "startup.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DayPage(benchmark::State& bench)
{
    const std::unique_ptr<OpenBook> book = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    const QDate date = book->firstdate.addDays(45);
    for (auto _ : bench) {
        QString page = loadday(date, *book->rsQov, *book->db, book->tplday, book->tplbibelst,
                               book->lists.bereiche, QString());
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DayPage)->Unit(benchmark::kMicrosecond);

void BM_DayPageWithSearchWords(benchmark::State& bench)
{
    const std::unique_ptr<OpenBook> book = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    const QDate date = book->firstdate.addDays(45);
    const QString suchworte = QStringLiteral("GOTT;LIEBE;");
    for (auto _ : bench) {
        QString page = loadday(date, *book->rsQov, *book->db, book->tplday, book->tplbibelst,
                               book->lists.bereiche, suchworte);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DayPageWithSearchWords)->Unit(benchmark::kMicrosecond);

} // namespace
