// SPDX-License-Identifier: GPL-2.0-or-later
// Finding the editions of a data folder at start: one edition against ten,
// each with its own copy of all four parts (as adding editions makes them),
// of the demo kind (SQLite files) and of Access files.

#include "find_editions.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

struct Kind {
    QString book, bible, templates;
};

const Kind demo_kind{QStringLiteral(SELUNAR_DATA_DIR "qov.mdb"), QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb"),
                     QStringLiteral(SELUNAR_DATA_DIR "qovfiles")};
const Kind access_kind{QStringLiteral(SELUNAR_JET_FIXTURES "/qov_fixture.mdb"),
                       QStringLiteral(SELUNAR_JET_FIXTURES "/bible_fixture.mdb"),
                       QStringLiteral(SELUNAR_DATA_DIR "qovfiles")};

void copy_edition_parts(const Kind& kind, const QString& folder)
{
    QDir().mkpath(folder + QStringLiteral("/qovfiles"));
    QDir().mkpath(folder + QStringLiteral("/qov_pics"));
    QFile::copy(kind.book, folder + QStringLiteral("/qov.mdb"));
    QFile::copy(kind.bible, folder + QStringLiteral("/elberfelderbibel.mdb"));
    for (const QString& name : QDir(kind.templates).entryList(QDir::Files))
        QFile::copy(kind.templates + u'/' + name, folder + QStringLiteral("/qovfiles/") + name);
}

// A data folder with the folder's own edition and `count - 1` in subfolders,
// made once per kind and count.
QString data_folder(const Kind& kind, int count)
{
    static std::map<std::pair<const Kind*, int>, std::unique_ptr<QTemporaryDir>> made;
    std::unique_ptr<QTemporaryDir>& dir = made[{&kind, count}];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        copy_edition_parts(kind, dir->path());
        for (int i = 1; i < count; ++i)
            copy_edition_parts(kind, dir->path() + QStringLiteral("/Jahrgang %1").arg(i));
    }
    return dir->path();
}

void find_editions_in(benchmark::State& state, const Kind& kind)
{
    const QString folder = data_folder(kind, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Editions editions = find_editions(folder);
        if (editions.size() != state.range(0) || !editions.back().usable)
            state.SkipWithError("the editions do not open");
        benchmark::DoNotOptimize(editions);
    }
}

} // namespace

static void BM_FindDemoEditions(benchmark::State& state)
{
    find_editions_in(state, demo_kind);
}
BENCHMARK(BM_FindDemoEditions)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// An Access book's dates are read in a child process: only the wall time tells.
static void BM_FindAccessEditions(benchmark::State& state)
{
    find_editions_in(state, access_kind);
}
BENCHMARK(BM_FindAccessEditions)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
