// SPDX-License-Identifier: GPL-2.0-or-later
// The quick search on the demo data: building the index from the book and
// the Bible (with the memory it keeps), over one edition and over ten (the
// 2024 book and nine copies of the 2025 one, each opened on its own), and
// one search per text with every hit counted; and the index with two SWORD
// translations beside the book's Bible.

#include "database.h"
#include "lookup_lists.h"
#include "quick_results.h"
#include "sword_library.h"

#include <benchmark/benchmark.h>

#include <chrono>

#include <malloc.h>

namespace {

constexpr int most_editions = 10;

struct Demo {
    std::vector<std::unique_ptr<Database>> books = [] {
        std::vector<std::unique_ptr<Database>> opened;
        opened.push_back(OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "qov.mdb")));
        for (int i = 1; i < most_editions; ++i)
            opened.push_back(OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "2025/qov.mdb")));
        return opened;
    }();
    std::unique_ptr<Database> bible = OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb"));
    Buecher buecher = setcombo(*books.front()).buecher;

    std::vector<Database*> first(int editions) const
    {
        std::vector<Database*> some;
        for (int i = 0; i < editions; ++i)
            some.push_back(books[i].get());
        return some;
    }
};

Demo& demo()
{
    static Demo made;
    return made;
}

std::shared_ptr<const SearchIndex> built_index(int editions)
{
    static const std::atomic<bool> go{false};
    return std::make_shared<const SearchIndex>(read_corpus(demo().first(editions), *demo().bible, go), go);
}

// The heap in use, large blocks the allocator maps on their own included.
size_t allocated_bytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Reading both files and building the index; "peak_MB" is the heap the
// texts read and the index take together, "kept_MB" what the index keeps.
void BM_QuickSearchIndexBuild(benchmark::State& bench)
{
    demo();
    const std::atomic<bool> go{false};
    const auto megabytes = [](size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); };
    double peak = 0, kept = 0, reading = 0;
    for (auto _ : bench) {
        const size_t before = allocated_bytes();
        const auto start = std::chrono::steady_clock::now();
        Corpus corpus = read_corpus(demo().first(static_cast<int>(bench.range(0))), *demo().bible, go);
        reading += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const auto index = std::make_shared<const SearchIndex>(corpus, go);
        peak = megabytes(allocated_bytes() - before);
        corpus = {};
        kept = megabytes(allocated_bytes() - before);
        benchmark::DoNotOptimize(index.get());
    }
    bench.counters["peak_MB"] = peak;
    bench.counters["kept_MB"] = kept;
    bench.counters["read_ms"] = reading / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_QuickSearchIndexBuild)->Arg(1)->Arg(most_editions)->Unit(benchmark::kMillisecond);

// The index over the demo's edition and Bible with two more translations
// shown: Debian's KJV and WEB read through libsword ("modules_ms"), in the
// numbering of the book's Bible; "more_MB" is what the index keeps beyond
// the one without them.
void BM_QuickSearchIndexWithTwoTranslations(benchmark::State& bench)
{
    demo();
    const std::atomic<bool> go{false};
    const SwordLibrary library(QStringLiteral("/usr/share/sword"));
    const auto megabytes = [](size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); };
    size_t without = 0;
    {
        const size_t before = allocated_bytes();
        const auto index = built_index(1);
        without = allocated_bytes() - before;
    }
    double more = 0, modules = 0;
    for (auto _ : bench) {
        const size_t before = allocated_bytes();
        Corpus corpus = read_corpus(demo().first(1), *demo().bible, go);
        const auto start = std::chrono::steady_clock::now();
        const BibleFrame frame(book_verse_counts(corpus));
        for (const char* name : {"engKJV2006eb", "engWEB2015eb"})
            add_translation(corpus, *library.open(QString::fromLatin1(name), frame), go);
        modules += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const auto index = std::make_shared<const SearchIndex>(std::move(corpus), go);
        more = megabytes(allocated_bytes() - before - without);
        benchmark::DoNotOptimize(index.get());
    }
    bench.counters["more_MB"] = more;
    bench.counters["modules_ms"] = modules / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_QuickSearchIndexWithTwoTranslations)->Unit(benchmark::kMillisecond);

// One whole answer: typed place, words, every hit found and counted.
void quick_search(benchmark::State& bench, const QString& text, int editions)
{
    static const std::shared_ptr<const SearchIndex> one = built_index(1);
    static const std::shared_ptr<const SearchIndex> all = built_index(most_editions);
    const std::shared_ptr<const SearchIndex>& index = editions == 1 ? one : all;
    std::vector<BookDays> years{{QDate(2024, 1, 1), QDate(2024, 12, 31)}};
    years.resize(editions, {QDate(2025, 1, 1), QDate(2025, 12, 31)});
    const BookYears days(years, 0);
    int hits = 0;
    for (auto _ : bench) {
        const QuickResults results(index, demo().buecher, days, text);
        hits = results.size();
        benchmark::DoNotOptimize(hits);
    }
    bench.counters["hits"] = hits;
}

const bool registered = [] {
    for (const char* text : {"Maulbeerfeigenbaum", "Hirte", "Gott", "\"gute Hirte\"", "Fusse", "Joh 3,16"})
        benchmark::RegisterBenchmark((std::string("BM_QuickSearch/") + text).c_str(), quick_search,
                                     QString::fromUtf8(text), 1)
            ->Unit(benchmark::kMillisecond);
    for (const char* text : {"Maulbeerfeigenbaum", "Sanduhr", "Gott"})
        benchmark::RegisterBenchmark((std::string("BM_QuickSearchTenEditions/") + text).c_str(), quick_search,
                                     QString::fromUtf8(text), most_editions)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
