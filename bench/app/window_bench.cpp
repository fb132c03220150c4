// SPDX-License-Identifier: GPL-2.0-or-later
// The window's commands as the user sees them: the page built, written into
// its view, laid out and painted. Runs on the demo data in the program folder
// with the offscreen platform.

#include "editions/editions_control.h"
#include "form1.h"
#include "quick_search/quick_search.h"
#include "translations/translations_control.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include <memory>

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a widget application must not end among the static
    // destructors of the process.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The window after start-up on 5 March 2024, with messages only recorded.
std::unique_ptr<Form1> started_window(const QString& sword_folder = {})
{
    application();
    Form1::Settings settings;
    settings.apppath = QStringLiteral(SELUNAR_DATA_DIR);
    settings.today = [] { return QDate(2024, 3, 5); };
    settings.messages = MessageBoxes::Mode::Record;
    settings.sword_folder = sword_folder;
    auto form = std::make_unique<Form1>(settings);
    form->Form_Load();
    form->Form_Activate();
    form->resize(800, 600);
    QCoreApplication::processEvents();
    return form;
}

// "nächster Tag" and "vorheriger Tag" in turn, each followed by a repaint.
void BM_NextDay(benchmark::State& bench)
{
    const std::unique_ptr<Form1> form = started_window();
    int button = 1;
    for (auto _ : bench) {
        form->but_Click(button);
        form->repaint();
        button = 1 - button;
    }
}
BENCHMARK(BM_NextDay)->Unit(benchmark::kMillisecond);

// Choosing chapter 119 of the Psalms from chapter 118, with the repaint.
void BM_ChapterSwitchToPsalm119(benchmark::State& bench)
{
    const std::unique_ptr<Form1> form = started_window();
    form->but_Click(10);
    auto* books = form->findChild<QComboBox*>(QStringLiteral("books"));
    auto* chaps = form->findChild<QComboBox*>(QStringLiteral("chaps"));
    books->setCurrentIndex(18);
    for (auto _ : bench) {
        bench.PauseTiming();
        chaps->setCurrentIndex(117);
        form->repaint();
        bench.ResumeTiming();
        chaps->setCurrentIndex(118);
        form->repaint();
    }
}
BENCHMARK(BM_ChapterSwitchToPsalm119)->Unit(benchmark::kMillisecond);

// The same with the book's Bible, Debian's KJV and WEB side by side: Alt+Right
// from Psalm 118 to the painted Psalm 119 in three columns.
void BM_Psalm119InThreeTranslations(benchmark::State& bench)
{
    const std::unique_ptr<Form1> form = started_window(QStringLiteral("/usr/share/sword"));
    form->but_Click(10);
    form->translations().show({QStringLiteral("Buch"), QStringLiteral("engKJV2006eb"), QStringLiteral("engWEB2015eb")});
    for (auto _ : bench) {
        bench.PauseTiming();
        form->WB_NavigateComplete2(1, QStringLiteral("BIBLE|19_118_0|"));
        form->repaint();
        bench.ResumeTiming();
        form->run_key_command(KeyCommand::next);
        form->repaint();
    }
    if (form->translations().page_columns().size() != 3)
        bench.SkipWithError("the chapter is not shown in three translations");
}
BENCHMARK(BM_Psalm119InThreeTranslations)->Unit(benchmark::kMillisecond);

// A keystroke in the quick search to the list painted: "Hirt" and "Hirte"
// in turn, each searched in full and the window repainted.
void BM_QuickSearchKeystroke(benchmark::State& bench)
{
    const std::unique_ptr<Form1> form = started_window();
    form->run_key_command(KeyCommand::quick_search);
    auto* quick = form->findChild<QuickSearch*>();
    quick->wait_until_settled();
    bool longer = false;
    for (auto _ : bench) {
        quick->set_text(longer ? QStringLiteral("Hirte") : QStringLiteral("Hirt"));
        quick->wait_until_settled();
        form->repaint();
        longer = !longer;
    }
}
BENCHMARK(BM_QuickSearchKeystroke)->Unit(benchmark::kMillisecond);

// Changing between the demo's two editions on the same day (2024 and 2025
// in turn), the open book replaced whole, with the repaint.
void BM_ChangeEdition(benchmark::State& bench)
{
    const std::unique_ptr<Form1> form = started_window();
    const qsizetype first = form->editions().edition_of_year(2024);
    const qsizetype second = form->editions().edition_of_year(2025);
    bool later = true;
    for (auto _ : bench) {
        form->editions().change_to(later ? second : first);
        form->repaint();
        later = !later;
    }
}
BENCHMARK(BM_ChangeEdition)->Unit(benchmark::kMillisecond);

} // namespace
