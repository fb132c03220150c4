#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

#include <utility>

namespace {

// German for the texts QCommandLineParser writes itself: the headings of
// the usage and its error messages.
class ParserTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const std::pair<const char*, const char*> german[] = {
            {"Usage: %1", "Aufruf: %1"},
            {"[options]", "[Optionen]"},
            {"Options:", "Optionen:"},
            {"Unknown option '%1'.", "Unbekannte Option „%1“."},
            {"Unknown options: %1.", "Unbekannte Optionen: %1."},
            {"Missing value after '%1'.", "Nach „%1“ fehlt ein Wert."},
            {"Unexpected value after '%1'.", "Unerwarteter Wert nach „%1“."},
        };
        if (qstrcmp(context, "QCommandLineParser") == 0) {
            for (const auto& [english, translation] : german) {
                if (qstrcmp(source, english) == 0)
                    return QString::fromUtf8(translation);
            }
        }
        return {};
    }
};

} // namespace

CommandLineResult parse_command_line(const QStringList& arguments)
{
    ParserTexts texts;
    const bool translated = QCoreApplication::installTranslator(&texts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Selunar 2024: das Andachtsbuch mit einer Andacht für jeden Tag, Suche und Bibel.\n"
        "Ohne --data-dir liest das Programm die Dateien, die ein Benutzer in\n"
        "~/.local/share/selunar/ gelegt hat (wenn dort qov.mdb liegt), sonst die\n"
        "mitgelieferten Beispieldaten."));
    const QCommandLineOption data_dir(QStringLiteral("data-dir"),
                                      QStringLiteral("Liest qov.mdb, elberfelderbibel.mdb, qovfiles/ und qov_pics/ aus <Ordner>."),
                                      QStringLiteral("Ordner"));
    const QCommandLineOption today(QStringLiteral("today"),
                                   QStringLiteral("Beginnt an diesem Tag, als zeigte die Uhr ihn."),
                                   QStringLiteral("JJJJ-MM-TT"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Führt die Befehle der <Datei> aus, ohne das Fenster zu zeigen."),
                                    QStringLiteral("Datei"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Versionsnummer."));
    parser.addOptions({data_dir, today, script, help, version});

    CommandLineResult result;
    result.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unerwartetes Argument „%1“.").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(today) && !QDate::fromString(parser.value(today), Qt::ISODate).isValid()) {
        result.error = QStringLiteral("--today erwartet ein Datum JJJJ-MM-TT, nicht „%1“.").arg(parser.value(today));
    }
    if (translated)
        QCoreApplication::removeTranslator(&texts);
    if (!result.error.isEmpty())
        return result;

    CommandLine& options = result.options;
    if (parser.isSet(data_dir))
        options.data_dir = parser.value(data_dir);
    if (parser.isSet(today))
        options.today = QDate::fromString(parser.value(today), Qt::ISODate);
    if (parser.isSet(script))
        options.script = parser.value(script);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    return result;
}
