// SPDX-License-Identifier: GPL-2.0-or-later
// Process start to the first day page written: the program runs a scripted
// session with one dump on the demo's 2024 edition alone; with argument 1 it
// also reads a kept place (zoom 150 %, the Bible mode at Psalm 119) from a
// settings file; with argument 10 the data folder holds nine more editions
// (copies of the demo's 2025 book in subfolders), each found and probed.
// Also reports the processor time a run takes (user and system, which a busy
// machine does not inflate) and the session's peak memory (resident set size).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

double processor_seconds(const rusage& usage)
{
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_StartToFirstDayPage(benchmark::State& bench)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("start.script"));
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("dump start.json\n");
    file.close();
    // The 2024 edition's parts, linked; more editions copied beside them.
    const QString data = folder.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    for (const char* part : {"qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"})
        QFile::link(QStringLiteral(SELUNAR_DATA_DIR) + QLatin1String(part), data + u'/' + QLatin1String(part));
    for (int edition = 2; edition <= bench.range(0); ++edition) {
        const QString sub = data + QStringLiteral("/Jahrgang %1").arg(edition);
        QDir().mkpath(sub);
        QFile::copy(QStringLiteral(SELUNAR_DATA_DIR "2025/qov.mdb"), sub + QStringLiteral("/qov.mdb"));
    }
    QStringList arguments{QStringLiteral("--data-dir"), data, QStringLiteral("--today"),
                          QStringLiteral("2024-03-05"), QStringLiteral("--script"), script};
    if (bench.range(0) == 1) {
        const QString kept = folder.filePath(QStringLiteral("kept.ini"));
        QFile settings(kept);
        settings.open(QIODevice::WriteOnly);
        settings.write("[view]\nzoom=150\n[bible]\nposition=19_119_0\nmode=true\n");
        settings.close();
        arguments << QStringLiteral("--settings") << kept;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    for (auto _ : bench) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(SELUNAR_PROGRAM), arguments);
        if (!program.waitForFinished() || program.exitCode() != 0) {
            bench.SkipWithError("the session failed");
            break;
        }
    }
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    bench.counters["cpu_ms_per_run"] =
        benchmark::Counter(1000 * (processor_seconds(after) - processor_seconds(before)) / bench.iterations());
    bench.counters["peak_rss_MB"] = static_cast<double>(after.ru_maxrss) / 1024;
}
BENCHMARK(BM_StartToFirstDayPage)->Arg(0)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
