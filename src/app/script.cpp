// SPDX-License-Identifier: GPL-2.0-or-later
#include "script.h"

#include <QKeySequence>
#include <QStringList>
#include <QTime>

#include <optional>

namespace {

const QStringList list_names = {QStringLiteral("inpbibel"), QStringLiteral("inpbereich"),
                                QStringLiteral("inpautor"), QStringLiteral("books"),
                                QStringLiteral("chaps")};
const QStringList field_names = {QStringLiteral("inpvolltext"), QStringLiteral("inpdatum")};

// A line cut into its command, its first argument and the rest behind the
// blank that ends the first argument (kept exactly, blanks included).
struct Words {
    QString command;
    QStringList arguments;  // blank-separated words after the command
    QString rest_after_first;
    QString rest_after_command;
};

Words cut(const QString& line)
{
    Words words;
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    const QString trimmed_start = line.mid(start);
    const qsizetype command_end = trimmed_start.indexOf(u' ');
    words.command = command_end < 0 ? trimmed_start : trimmed_start.left(command_end);
    words.rest_after_command = command_end < 0 ? QString() : trimmed_start.mid(command_end + 1);
    words.arguments = words.rest_after_command.split(u' ', Qt::SkipEmptyParts);
    const qsizetype first_end = words.rest_after_command.indexOf(u' ');
    words.rest_after_first = first_end < 0 ? QString() : words.rest_after_command.mid(first_end + 1);
    return words;
}

std::optional<int> whole_number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Reads one line into `step`; returns an error text, empty when the line is sound.
QString read_line(const QString& line, ScriptStep& step)
{
    const Words words = cut(line);
    const QString& c = words.command;
    const QStringList& a = words.arguments;
    const auto two_numbers = [&](ScriptStep::Kind kind) -> QString {
        const auto x = a.size() == 2 ? whole_number(a[0]) : std::nullopt;
        const auto y = a.size() == 2 ? whole_number(a[1]) : std::nullopt;
        if (!x || !y)
            return c + QStringLiteral(" needs two whole numbers");
        step.kind = kind;
        step.x = *x;
        step.y = *y;
        return {};
    };

    if (c == u"click") {
        const auto n = a.size() == 1 ? whole_number(a[0]) : std::nullopt;
        if (!n)
            return QStringLiteral("click needs one whole number");
        step.kind = ScriptStep::Kind::click;
        step.x = *n;
    } else if (c == u"choose") {
        const auto i = a.size() == 2 ? whole_number(a[1]) : std::nullopt;
        if (!i || !list_names.contains(a[0]))
            return QStringLiteral("choose needs a list (%1) and an entry number").arg(list_names.join(u", "));
        step.kind = ScriptStep::Kind::choose;
        step.name = a[0];
        step.x = *i;
    } else if (c == u"type") {
        if (a.isEmpty() || !field_names.contains(a[0]))
            return QStringLiteral("type needs a field (%1)").arg(field_names.join(u", "));
        step.kind = ScriptStep::Kind::type;
        step.name = a[0];
        step.text = words.rest_after_first;
    } else if (c == u"key") {
        const auto code = a.size() == 2 ? whole_number(a[1]) : std::nullopt;
        if (!code || !field_names.contains(a[0]) || *code <= 0 || *code > 0xFFFF)
            return QStringLiteral("key needs a field (%1) and a character code").arg(field_names.join(u", "));
        step.kind = ScriptStep::Kind::key;
        step.name = a[0];
        step.x = *code;
    } else if (c == u"link") {
        if (a.size() < 2 || (a[0] != u"0" && a[0] != u"1"))
            return QStringLiteral("link needs a view (0 or 1) and an address");
        step.kind = ScriptStep::Kind::link;
        step.x = a[0].toInt();
        step.text = words.rest_after_first;
    } else if (c == u"resize") {
        if (QString error = two_numbers(ScriptStep::Kind::resize); !error.isEmpty())
            return error;
        if (step.x < 0 || step.y < 0)
            return QStringLiteral("resize needs sizes of 0 or more");
    } else if (c == u"cursor") {
        return two_numbers(ScriptStep::Kind::cursor);
    } else if (c == u"selftest") {
        if (!a.isEmpty())
            return QStringLiteral("selftest takes no arguments");
        step.kind = ScriptStep::Kind::selftest;
    } else if (c == u"dump" || c == u"screenshot" || c == u"pdf") {
        if (words.rest_after_command.trimmed().isEmpty())
            return c + QStringLiteral(" needs a file path");
        step.kind = c == u"dump" ? ScriptStep::Kind::dump
                    : c == u"pdf" ? ScriptStep::Kind::pdf
                                  : ScriptStep::Kind::screenshot;
        step.text = words.rest_after_command.trimmed();
    } else if (c == u"shortcut") {
        const QKeySequence keys = QKeySequence::fromString(words.rest_after_command.trimmed(), QKeySequence::PortableText);
        if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown)
            return QStringLiteral("shortcut needs keys such as Ctrl+F or Alt+Left");
        step.kind = ScriptStep::Kind::shortcut;
        step.text = words.rest_after_command.trimmed();
    } else if (c == u"select") {
        if (a.size() != 2 || (a[0] != u"0" && a[0] != u"1") || a[1] != u"all")
            return QStringLiteral("select needs a view (0 or 1) and \"all\"");
        step.kind = ScriptStep::Kind::select;
        step.x = a[0].toInt();
    } else if (c == u"copyverse") {
        const auto verse = a.size() == 2 ? whole_number(a[1]) : std::nullopt;
        if (!verse || (a[0] != u"0" && a[0] != u"1"))
            return QStringLiteral("copyverse needs a view (0 or 1) and a verse number");
        step.kind = ScriptStep::Kind::copyverse;
        step.x = a[0].toInt();
        step.y = *verse;
    } else if (c == u"palette") {
        if (a.size() != 1 || (a[0] != u"dark" && a[0] != u"light"))
            return QStringLiteral("palette needs dark or light");
        step.kind = ScriptStep::Kind::palette;
        step.name = a[0];
    } else if (c == u"selecttext") {
        if (a.size() < 2 || (a[0] != u"0" && a[0] != u"1"))
            return QStringLiteral("selecttext needs a view (0 or 1) and a text");
        step.kind = ScriptStep::Kind::selecttext;
        step.x = a[0].toInt();
        step.text = words.rest_after_first;
    } else if (c == u"speak" || c == u"speakstop") {
        if (!a.isEmpty())
            return c + QStringLiteral(" takes no arguments");
        step.kind = c == u"speak" ? ScriptStep::Kind::speak : ScriptStep::Kind::speakstop;
    } else if (c == u"spoken") {
        const auto n = a.size() == 1 ? whole_number(a[0]) : std::nullopt;
        if (!n || *n < 1)
            return QStringLiteral("spoken needs a count of 1 or more");
        step.kind = ScriptStep::Kind::spoken;
        step.x = *n;
    } else if (c == u"read" || c == u"star" || c == u"note") {
        // The reader's own layer: the day, or verse N of the chapter shown.
        const bool verse = c != u"read" && a.value(0) == u"verse";
        const auto number = verse ? whole_number(a.value(1)) : std::optional<int>(0);
        const QString target = c == u"read" ? QStringLiteral("day") : a.value(0);
        const QString switched = a.value(c == u"read" ? 0 : verse ? 2 : 1);
        const bool sound = (target == u"day" || (verse && number))
                           && (c == u"note" || (a.size() == (c == u"read" ? 1 : verse ? 3 : 2)
                                                 && (switched == u"on" || switched == u"off")));
        if (!sound)
            return QStringLiteral("%1 needs %2").arg(c, c == u"read"   ? QStringLiteral("on or off")
                                                        : c == u"star" ? QStringLiteral("day or verse N, then on or off")
                                                                       : QStringLiteral("day or verse N, then a text"));
        step.kind = c == u"read" ? ScriptStep::Kind::read : c == u"star" ? ScriptStep::Kind::star : ScriptStep::Kind::note;
        step.name = target;
        step.x = switched == u"on";
        step.y = *number;
        if (c == u"note")
            step.text = QString(verse ? words.rest_after_first.section(u' ', 1) : words.rest_after_first)
                            .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    } else if (c == u"progress" || c == u"mynotes") {
        if (!a.isEmpty())
            return c + QStringLiteral(" takes no arguments");
        step.kind = c == u"progress" ? ScriptStep::Kind::progress : ScriptStep::Kind::mynotes;
    } else if (c == u"export" || c == u"import") {
        if (words.rest_after_command.trimmed().isEmpty())
            return c + QStringLiteral(" needs a file path");
        step.kind = c == u"export" ? ScriptStep::Kind::export_file : ScriptStep::Kind::import_file;
        step.text = words.rest_after_command.trimmed();
    } else if (c == u"quicksearch") {
        step.kind = ScriptStep::Kind::quicksearch;
        step.text = words.rest_after_command;
    } else if (c == u"quickopen") {
        const auto n = a.size() == 1 ? whole_number(a[0]) : std::nullopt;
        if (!n || *n < 0)
            return QStringLiteral("quickopen needs an entry number from 0");
        step.kind = ScriptStep::Kind::quickopen;
        step.x = *n;
    } else if (c == u"hoverlink") {
        if (a.size() < 2 || (a[0] != u"0" && a[0] != u"1"))
            return QStringLiteral("hoverlink needs a view (0 or 1) and an address");
        step.kind = ScriptStep::Kind::hoverlink;
        step.x = a[0].toInt();
        step.text = words.rest_after_first;
    } else if (c == u"option") {
        if (a.size() != 2)
            return QStringLiteral("option needs a name and a value");
        step.kind = ScriptStep::Kind::option;
        step.name = a[0];
        step.text = a[1];
    } else if (c == u"clock") {
        const QTime time = a.size() == 1 ? QTime::fromString(a[0], QStringLiteral("HH:mm")) : QTime();
        if (!time.isValid())
            return QStringLiteral("clock needs a time of day HH:MM");
        step.kind = ScriptStep::Kind::clock;
        step.x = time.msecsSinceStartOfDay() / 60000;
    } else if (c == u"edition") {
        const auto year = a.size() == 1 ? whole_number(a[0]) : std::nullopt;
        if (!year)
            return QStringLiteral("edition needs a year");
        step.kind = ScriptStep::Kind::edition;
        step.x = *year;
    } else if (c == u"addedition") {
        if (words.rest_after_command.trimmed().isEmpty())
            return QStringLiteral("addedition needs a folder or file path");
        step.kind = ScriptStep::Kind::addedition;
        step.text = words.rest_after_command.trimmed();
    } else if (c == u"translation") {
        if (a.isEmpty())
            return QStringLiteral("translation needs at least one name");
        step.kind = ScriptStep::Kind::translation;
        step.text = a.join(u' ');
    } else if (c == u"wait") {
        const auto ms = a.size() == 1 ? whole_number(a[0]) : std::nullopt;
        if (!ms || *ms < 0)
            return QStringLiteral("wait needs milliseconds");
        step.kind = ScriptStep::Kind::wait;
        step.x = *ms;
    } else {
        return QStringLiteral("unknown command \"%1\"").arg(c);
    }
    return {};
}

} // namespace

ParsedScript parse_script(const QString& text)
{
    ParsedScript script;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        ScriptStep step;
        step.line = static_cast<int>(i + 1);
        const QString error = read_line(line, step);
        if (!error.isEmpty()) {
            script.error = QStringLiteral("line %1: %2").arg(step.line).arg(error);
            script.steps.clear();
            return script;
        }
        script.steps.push_back(step);
    }
    return script;
}
