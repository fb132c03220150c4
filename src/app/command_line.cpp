// SPDX-License-Identifier: GPL-2.0-or-later
#include "command_line.h"

#include <QCommandLineParser>

CommandLineResult parse_command_line(const QStringList& arguments)
{
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
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Merkt sich Fenster, Schriftgröße und Bibelstelle in der <Datei>."),
                                      QStringLiteral("Datei"));
    const QCommandLineOption personal(QStringLiteral("personal"),
                                      QStringLiteral("Merkt sich Gelesenes, gemerkte Andachten und Verse und Notizen in der <Datei>."),
                                      QStringLiteral("Datei"));
    const QCommandLineOption sword(QStringLiteral("sword"),
                                   QStringLiteral("Liest die Bibelübersetzungen (SWORD-Module) nur aus <Ordner>."),
                                   QStringLiteral("Ordner"));
    const QCommandLineOption once(QStringLiteral("once"),
                                  QStringLiteral("Startet nur, wenn die Andacht von heute noch nicht gezeigt wurde."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Versionsnummer."));
    parser.addOptions({data_dir, today, script, settings, personal, sword, once, help, version});

    CommandLineResult result;
    result.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unerwartetes Argument '%1'.").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(today) && !QDate::fromString(parser.value(today), Qt::ISODate).isValid()) {
        result.error = QStringLiteral("--today erwartet ein Datum JJJJ-MM-TT, nicht '%1'.").arg(parser.value(today));
    }
    if (!result.error.isEmpty())
        return result;

    CommandLine& options = result.options;
    if (parser.isSet(data_dir))
        options.data_dir = parser.value(data_dir);
    if (parser.isSet(today))
        options.today = QDate::fromString(parser.value(today), Qt::ISODate);
    if (parser.isSet(script))
        options.script = parser.value(script);
    if (parser.isSet(settings))
        options.settings = parser.value(settings);
    if (parser.isSet(personal))
        options.personal = parser.value(personal);
    if (parser.isSet(sword))
        options.sword = parser.value(sword);
    options.once = parser.isSet(once);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    return result;
}
