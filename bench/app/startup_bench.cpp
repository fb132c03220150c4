// Process start to the first day page written: the program runs a scripted
// session with one dump on the demo data. Also reports the session's peak
// memory (resident set size).

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

void BM_StartToFirstDayPage(benchmark::State& bench)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("start.script"));
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("dump start.json\n");
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    for (auto _ : bench) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(SELUNAR_PROGRAM),
                      {QStringLiteral("--today"), QStringLiteral("2024-03-05"), QStringLiteral("--script"), script});
        if (!program.waitForFinished() || program.exitCode() != 0) {
            bench.SkipWithError("the session failed");
            break;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    bench.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_StartToFirstDayPage)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
