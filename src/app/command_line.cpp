#include "command_line.h"

CommandLineResult parse_command_line(const QStringList& arguments)
{
    CommandLineResult result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option != u"--data-dir" && option != u"--today" && option != u"--script" && option != u"--settings") {
            result.error = QStringLiteral("unknown argument \"%1\"").arg(option);
            return result;
        }
        if (i + 1 >= arguments.size()) {
            result.error = QStringLiteral("%1 needs a value").arg(option);
            return result;
        }
        const QString& value = arguments[++i];
        if (option == u"--data-dir") {
            result.options.data_dir = value;
        } else if (option == u"--script") {
            result.options.script = value;
        } else if (option == u"--settings") {
            result.options.settings = value;
        } else {
            const QDate today = QDate::fromString(value, Qt::ISODate);
            if (!today.isValid()) {
                result.error = QStringLiteral("--today needs a date YYYY-MM-DD, not \"%1\"").arg(value);
                return result;
            }
            result.options.today = today;
        }
    }
    return result;
}

QString command_line_usage()
{
    return QStringLiteral("usage: selunar [--data-dir DIR] [--today YYYY-MM-DD] [--script FILE] [--settings FILE]");
}
