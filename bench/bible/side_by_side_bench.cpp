// SPDX-License-Identifier: GPL-2.0-or-later
// Psalm 119 side by side in the book's Bible and the desktop's King James
// Version and World English Bible (Debian's sword-text-kjv and
// sword-text-web), read afresh each time: the sources are opened anew, so no
// chapter read before is reused.
#include "book_bible_source.h"
#include "side_by_side_page.h"
#include "startup.h"
#include "sword_library.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const QString hilitebcv = QStringLiteral("19_119_1-8/19_119_97-104/19_119_169-176");

void BM_SideBySidePsalm119(benchmark::State& bench, std::vector<QString> modules)
{
    const std::unique_ptr<OpenBook> open = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    BookBibleSource book(*open->rsTexte);
    const SwordLibrary library;
    for (const QString& name : modules)
        if (std::none_of(library.modules().begin(), library.modules().end(),
                         [&](const BibleModuleInfo& m) { return m.name == name && m.usable; }))
            return bench.SkipWithError("module missing");
    for (auto _ : bench) {
        std::vector<TranslationColumn> columns{{book.short_name(), book.has_book(19), book.chapter(19, 119)}};
        for (const QString& name : modules) {
            const auto module = library.open(name, book.frame());
            columns.push_back({module->short_name(), module->has_book(19), module->chapter(19, 119)});
        }
        QString page = side_by_side_chapter(19, 119, columns, open->tplbibel, open->tplvers, open->lists.buecher,
                                            hilitebcv);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK_CAPTURE(BM_SideBySidePsalm119, BookOnly, std::vector<QString>{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SideBySidePsalm119, BookKjvWeb, std::vector<QString>{"engKJV2006eb", "engWEB2015eb"})
    ->Unit(benchmark::kMillisecond);

// One module's whole text, chapter by chapter, as an index of every verse
// reads it.
void BM_WholeModule(benchmark::State& bench, QString name)
{
    const SwordLibrary library;
    for (auto _ : bench) {
        const auto module = library.open(name, BibleFrame(QStringLiteral("NRSV")));
        std::size_t verses = 0;
        for (int b = 1; b <= 66; ++b)
            for (int c = 1; c <= module->chapter_count(b); ++c)
                verses += module->chapter(b, c).size();
        bench.counters["verses"] = double(verses);
    }
}
BENCHMARK_CAPTURE(BM_WholeModule, Kjv, QStringLiteral("engKJV2006eb"))->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
