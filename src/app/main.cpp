// Entry point: starts the window, or runs a scripted session without showing
// it (for tests and automation).

#include "command_line.h"
#include "dialogs.h"
#include "form1.h"
#include "script.h"
#include "script_session.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

void print_error(const QString& text)
{
    std::fprintf(stderr, "selunar: %s\n", qPrintable(text));
}

bool asks_for_script(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--script") == 0)
            return true;
    }
    return false;
}

std::optional<ParsedScript> read_script(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        print_error(QStringLiteral("cannot read the script %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    ParsedScript script = parse_script(QString::fromUtf8(file.readAll()));
    if (!script.error.isEmpty()) {
        print_error(path + QStringLiteral(", ") + script.error);
        return std::nullopt;
    }
    return script;
}

Form1::Settings settings_for(const CommandLine& options, bool scripted)
{
    Form1::Settings settings;
    settings.apppath = QDir(options.data_dir.value_or(QCoreApplication::applicationDirPath())).absolutePath();
    const std::optional<QDate> today = options.today;
    settings.today = [today] { return today.value_or(QDate::currentDate()); };
    settings.messages = scripted ? MessageBoxes::Mode::Record : MessageBoxes::Mode::Show;
    return settings;
}

} // namespace

int main(int argc, char* argv[])
{
    // A scripted session shows no window, unless the caller chose a platform.
    if (asks_for_script(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const CommandLineResult parsed = parse_command_line(QCoreApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        print_error(parsed.error);
        std::fprintf(stderr, "%s\n", qPrintable(command_line_usage()));
        return 2;
    }
    const CommandLine& options = parsed.options;

    std::optional<ParsedScript> script;
    if (options.script) {
        script = read_script(*options.script);
        if (!script)
            return 2;
    }

    Form1 form(settings_for(options, script.has_value()));
    try {
        form.Form_Load();
    } catch (const std::exception& e) {
        // A data file the user can mend is named with its cause in German;
        // the technical text follows for the record.
        const auto* startup = dynamic_cast<const StartupError*>(&e);
        const QString text = QStringLiteral("Selunar 2024 kann nicht starten:\n")
                             + (startup ? german_message(*startup) + QStringLiteral("\n(") + startup->cause()
                                              + u')'
                                        : QString::fromStdString(e.what()));
        if (script) {
            print_error(text);
        } else {
            MessageBoxes boxes(MessageBoxes::Mode::Show);
            boxes.show(nullptr, text);
        }
        return 1;
    }
    form.Form_Activate();

    if (!script)
        return QApplication::exec();

    ScriptSession session(form);
    const QString error = session.run(script->steps);
    if (!error.isEmpty()) {
        print_error(*options.script + QStringLiteral(", ") + error);
        return 2;
    }
    return 0;
}
