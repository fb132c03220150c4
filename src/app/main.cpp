// SPDX-License-Identifier: GPL-2.0-or-later
// Entry point: starts the window, or runs a scripted session without showing
// it (for tests and automation).

#include "command_line.h"
#include "companion/companion.h"
#include "companion/start_checks.h"
#include "data_folder.h"
#include "day_reference.h"
#include "edition_choice.h"
#include "find_editions.h"
#include "dialogs.h"
#include "form1.h"
#include "script.h"
#include "script_session.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>

namespace {

void print_error(const QString& text)
{
    std::fprintf(stderr, "selunar: %s\n", qPrintable(text));
}

// Reading the command line needs no display, so that --help, --version and
// a wrong option work on a bare terminal: the window's application comes later.
CommandLineResult read_command_line(int argc, char* argv[])
{
    QCoreApplication reader(argc, argv);
    QTranslator qt_german;
    if (qt_german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_german);
    return parse_command_line(QCoreApplication::arguments());
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

// Where the window keeps its place and the day's records. A scripted session
// keeps nothing of the machine's user unless told where.
std::shared_ptr<QSettings> kept_for(const CommandLine& options, bool scripted)
{
    if (options.settings)
        return std::make_shared<QSettings>(*options.settings, QSettings::IniFormat);
    if (scripted)
        return nullptr;
    return std::make_shared<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("selunar"),
                                       QStringLiteral("selunar"));
}

Form1::Settings settings_for(const CommandLine& options, const QString& data_folder, bool scripted)
{
    Form1::Settings settings;
    settings.apppath = data_folder;
    const std::optional<QDate> today = options.today;
    settings.today = [today] { return today.value_or(QDate::currentDate()); };
    settings.messages = scripted ? MessageBoxes::Mode::Record : MessageBoxes::Mode::Show;
    settings.kept = kept_for(options, scripted);
    settings.user_data_folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/selunar");
    settings.sword_folder = options.sword.value_or(QString());
    if (options.personal)
        settings.personal_file = *options.personal;
    else if (!scripted)
        settings.personal_file = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                 + QStringLiteral("/selunar/persoenlich.sqlite");
    return settings;
}

// The book that could not open, by its year where its days could be read:
// "Selunar 2024", else "Selunar".
QString failing_title(const QString& data_folder, QDate today)
{
    const Editions editions = find_editions(data_folder);
    const std::optional<qsizetype> chosen = edition_for_date(editions, today);
    const int year = chosen ? editions[*chosen].year : editions.isEmpty() ? 0 : editions.front().year;
    return year ? book_title(year) : QStringLiteral("Selunar");
}

// Qt's own texts (context menus, dialogs) in German, from Qt's translations.
void install_german(QApplication& app, QTranslator& translator)
{
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLineResult parsed = read_command_line(argc, argv);
    const CommandLine& options = parsed.options;
    if (!parsed.error.isEmpty()) {
        print_error(parsed.error);
        std::fprintf(stderr, "\n%s", qPrintable(parsed.usage));
        return 2;
    }
    if (options.help) {
        std::printf("%s", qPrintable(parsed.usage));
        return 0;
    }
    if (options.version) {
        std::printf("selunar %s\n", SELUNAR_VERSION);
        return 0;
    }
    if (ends_before_window(options, kept_for(options, options.script.has_value()).get()))
        return 0;

    // A scripted session shows no window, unless the caller chose a platform.
    if (options.script && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTranslator german;
    install_german(app, german);
    // Ties the window to its menu entry and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.selunar.Reader"));

    std::optional<ParsedScript> script;
    if (options.script) {
        script = read_script(*options.script);
        if (!script)
            return 2;
    }

    const DataFolderChoice data =
        find_data_folder(data_folder_places(options.data_dir, QCoreApplication::applicationDirPath()));
    const Form1::Settings settings = settings_for(options, data.folder, script.has_value());
    Form1 form(settings);
    try {
        form.Form_Load();
    } catch (const std::exception& e) {
        // The user reads the cause in German; the technical detail goes to stderr.
        const auto* failure = dynamic_cast<const StartupError*>(&e);
        const QString detail = QString::fromStdString(e.what());
        QString text =
            failing_title(data.folder, settings.today()) + QStringLiteral(" kann nicht starten:\n") + (failure ? german_message(*failure) : detail);
        if (!options.data_dir)
            text += QStringLiteral("\n\nDie Daten wurden in diesen Ordnern gesucht:\n") + data.tried.join(u'\n');
        print_error(text);
        if (failure)
            print_error(detail);
        if (!script) {
            MessageBoxes boxes(MessageBoxes::Mode::Show);
            boxes.show(nullptr, text);
        }
        return 1;
    }
    form.Form_Activate();

    if (!script) {
        form.companion()->listen_for_later_starts();
        return QApplication::exec();
    }

    ScriptSession session(form);
    const QString error = session.run(script->steps);
    // The session ends as a user's would: the window closes and keeps its place.
    form.close();
    if (!error.isEmpty()) {
        print_error(*options.script + QStringLiteral(", ") + error);
        return 2;
    }
    return 0;
}
