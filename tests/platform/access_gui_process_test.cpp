#include "database_test_support.h"

#include <QGuiApplication>
#include <QThreadPool>
#include <QTimer>
#include <QWindow>

#include <atomic>
#include <vector>

// The reader imports its Access files from inside its window's start-up:
// the fork must work in a running GUI application with other threads.
TEST(AccessImportInGuiProcess, ImportsFromInsideARunningApplication)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "access_gui_process_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QWindow window;
    window.show();

    std::atomic<bool> stop = false;
    for (int i = 0; i < 2; ++i)
        QThreadPool::globalInstance()->start([&stop] {
            while (!stop) {
                std::vector<QString> texts(200, QStringLiteral("Füße"));
                texts.clear();
            }
        });

    QList<QVariant> counts;
    QTimer::singleShot(0, &app, [&] {
        for (int round = 0; round < 5; ++round) {
            const SqliteDb db = imported(jet_fixture("bible_fixture_encoded.mdb"), bible_password);
            counts << sqlite_value(db.get(), "SELECT count(*) FROM texte");
        }
        app.quit();
    });
    app.exec();
    stop = true;
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(counts, QList<QVariant>(5, qint64(5)));
}
