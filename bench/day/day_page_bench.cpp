// SPDX-License-Identifier: GPL-2.0-or-later
// The day page of a demo date, built from the demo data in the program
// folder (without showing it).
#include "day_page.h"
#include "startup.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DayPage(benchmark::State& bench)
{
    const FormState state = load_form_resources(QStringLiteral(SELUNAR_DATA_DIR));
    const QDate date = state.firstdate.addDays(45);
    for (auto _ : bench) {
        QString page = loadday(date, *state.rsQov, *state.db, state.tplday, state.tplbibelst,
                               state.lists.bereiche, state.suchworte);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DayPage)->Unit(benchmark::kMicrosecond);

void BM_DayPageWithSearchWords(benchmark::State& bench)
{
    const FormState state = load_form_resources(QStringLiteral(SELUNAR_DATA_DIR));
    const QDate date = state.firstdate.addDays(45);
    const QString suchworte = QStringLiteral("GOTT;LIEBE;");
    for (auto _ : bench) {
        QString page = loadday(date, *state.rsQov, *state.db, state.tplday, state.tplbibelst,
                               state.lists.bereiche, suchworte);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DayPageWithSearchWords)->Unit(benchmark::kMicrosecond);

} // namespace
