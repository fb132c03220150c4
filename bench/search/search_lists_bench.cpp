// SPDX-License-Identifier: GPL-2.0-or-later
// The two full-text searches as the search panel runs them: condition,
// query and page.
#include "bible_result_list.h"
#include "query_parsing.h"
#include "result_list.h"
#include "search_queries.h"
#include "startup.h"

#include <benchmark/benchmark.h>

namespace {

// A word of two verses, where the search reads every verse, and a word of
// thousands, where it stops after 100.
const QStringList bible_words = {QStringLiteral("Maulbeerfeigenbaum"), QStringLiteral("Gott")};

void BM_BibleFullText(benchmark::State& bench)
{
    const std::unique_ptr<OpenBook> book = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    const QString word = bible_words[bench.range(0)];
    for (auto _ : bench) {
        const SearchCondition verse = parsesql(QStringLiteral("Bible_text"), word);
        const SearchQuery query = bible_full_text_query(verse.condition);
        QString page = dispbibelliste(*book->bibeldb, query.sql, query.cap, book->tplbibelliste, book->lists.buecher,
                                      verse.suchworte);
        benchmark::DoNotOptimize(page);
    }
    bench.SetLabel(word.toStdString());
}
BENCHMARK(BM_BibleFullText)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_DevotionalFullTextGott(benchmark::State& bench)
{
    const std::unique_ptr<OpenBook> book = open_book(QStringLiteral(SELUNAR_DATA_DIR));
    for (auto _ : bench) {
        const SearchCondition thema = parsesql(QStringLiteral("thema"), QStringLiteral("Gott"));
        const SearchCondition text = parsesql(QStringLiteral("text"), QStringLiteral("Gott"));
        const SearchQuery query = book_full_text_query(thema.condition, text.condition);
        QString page = displiste(*book->db, query.sql, query.cap, book->tplliste, book->lists.bereiche, text.suchworte);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DevotionalFullTextGott)->Unit(benchmark::kMillisecond);

} // namespace
