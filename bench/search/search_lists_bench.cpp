// The two full-text searches as the search panel runs them: condition,
// query and page.
#include "bible_result_list.h"
#include "query_parsing.h"
#include "result_list.h"
#include "startup.h"

#include <benchmark/benchmark.h>

namespace {

// A word of two verses, where the search reads every verse, and a word of
// thousands, where it stops after 100.
const QStringList bible_words = {QStringLiteral("Maulbeerfeigenbaum"), QStringLiteral("Gott")};

void BM_BibleFullText(benchmark::State& bench)
{
    FormState state;
    load_form_resources(state, QStringLiteral(SELUNAR_DATA_DIR));
    const QString word = bible_words[bench.range(0)];
    for (auto _ : bench) {
        const QString condition = parsesql(QStringLiteral("Bible_text"), word, state.suchworte);
        const QString sql = QStringLiteral("select top ") + QString::number(100) + QStringLiteral(" * from texte where ")
                          + condition + QStringLiteral(" order by book,chapter,verse");
        QString page = dispbibelliste(*state.bibeldb, sql, state.tplbibelliste, state.buecher, state.suchworte);
        benchmark::DoNotOptimize(page);
    }
    bench.SetLabel(word.toStdString());
}
BENCHMARK(BM_BibleFullText)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_DevotionalFullTextGott(benchmark::State& bench)
{
    FormState state;
    load_form_resources(state, QStringLiteral(SELUNAR_DATA_DIR));
    for (auto _ : bench) {
        const QString c1 = parsesql(QStringLiteral("thema"), QStringLiteral("Gott"), state.suchworte);
        const QString c2 = parsesql(QStringLiteral("text"), QStringLiteral("Gott"), state.suchworte);
        const QString sql = QStringLiteral("select top ") + QString::number(100) + QStringLiteral(" * from vw1qov where ")
                          + c1 + QStringLiteral(" or ") + c2 + QStringLiteral(" order by book1,chapter1,verse1");
        QString page = displiste(*state.db, sql, 100, state.tplliste, state.bereiche, state.suchworte);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_DevotionalFullTextGott)->Unit(benchmark::kMillisecond);

} // namespace
