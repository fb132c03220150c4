// SPDX-License-Identifier: GPL-2.0-or-later
// Runs the end-to-end cases: each *.cases file beside this one holds
// scripted sessions of the program, with the changes made to a copy of the
// demo data first and what must come out. One test per case; README.md
// beside it describes the format.

#include "sqlite_test.h"
#include "sword_test_folder.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <map>
#include <optional>
#include <random>

namespace {

struct Case {
    QString file;
    int line = 0;
    QString today = QStringLiteral("2024-03-05");
    QString data_dir = QStringLiteral(SELUNAR_DATA_DIR);  // the demo data unless a copy is changed
    QStringList setup = {};                                // changes to the copy
    bool read_only = false;                                // the copy and the home folder stay as they were
    bool single = false;                                   // a copy of the 2024 edition alone
    QStringList script = {};
    QString settings = {};                                 // a settings file's text; none when null
    std::optional<QString> personal = {};                  // the personal store's text
    QStringList arguments = {};                            // more of the command line
    std::optional<QStringList> sword = {};                 // a SWORD folder of its own, and its changes
    int exit_code = 0;
    int dumps = -1;                                        // how many, when checked
    std::vector<std::pair<int, QString>> checks = {};      // facts with their lines
};

struct Outcome {
    bool finished = false;
    int exit_code = -1;  // -1 after a crash
    QString errors;
    std::map<QString, QJsonObject> dumps;
    std::map<QString, QString> files = {};  // the other files the session left, PDF as its text
    std::map<QString, QImage> pictures = {};  // the screenshots it wrote
};

// Takes the first word off `rest`: up to the next space, or a "quoted
// text" that knows \n and \".
QString take(QString& rest)
{
    rest = rest.trimmed();
    QString word;
    qsizetype i = 0;
    if (rest.startsWith(u'"')) {
        for (i = 1; i < rest.size() && rest[i] != u'"'; ++i)
            word += rest[i] == u'\\' && i + 1 < rest.size() ? (rest[++i] == u'n' ? QChar(u'\n') : rest[i]) : rest[i];
        ++i;
    } else {
        i = rest.indexOf(u' ') < 0 ? rest.size() : rest.indexOf(u' ');
        word = rest.left(i);
    }
    rest = rest.mid(i).trimmed();
    return word;
}

// The rest of a line as one text: quoted, or as it stands.
QString argument_of(QString rest)
{
    return rest.trimmed().startsWith(u'"') ? take(rest) : rest.trimmed();
}

// "{TEXT*N}" stands for TEXT N times, with "%" in TEXT replaced by the count so far.
QString expand(QString line)
{
    static const QRegularExpression repeat(QStringLiteral("\\{([^{}*]*)\\*(\\d+)\\}"));
    for (QRegularExpressionMatch m = repeat.match(line); m.hasMatch(); m = repeat.match(line)) {
        QString text;
        for (int i = 0; i < m.captured(2).toInt(); ++i)
            text += QString(m.captured(1)).replace(u'%', QString::number(i));
        line.replace(m.capturedStart(), m.capturedLength(), text);
    }
    return line;
}

std::vector<std::pair<QString, Case>> read_cases(const QString& path)
{
    std::vector<std::pair<QString, Case>> cases;
    const auto read_line = [&](const QString& line, int n) {
        const QString first = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1).trimmed();
        if (first == u"case")
            cases.emplace_back(rest, Case{.file = QFileInfo(path).completeBaseName(), .line = n});
        if (first == u"case" || cases.empty() || line.isEmpty() || line.startsWith(u'#'))
            return;
        Case& c = cases.back().second;
        if (first == u'>')  // script lines, several joined by " / "
            c.script += expand(line.mid(2)).split(QStringLiteral(" / "));
        else if (first == u"use")  // the script of an earlier case of the file
            for (const auto& [earlier, e] : cases)
                c.script += earlier == rest ? e.script : QStringList();
        else if (first == u"today")
            c.today = rest;
        else if (first == u"exit")
            c.exit_code = rest.toInt();
        else if (first == u"dumps")
            c.dumps = rest.toInt();
        else if (first == u"settings")
            c.settings = argument_of(rest);
        else if (first == u"personal")
            c.personal = argument_of(rest);
        else if (first == u"unchanged")
            c.read_only = true;
        else if (first == u"single")
            c.single = true;
        else if (first == u"sword")
            c.sword = c.sword.value_or(QStringList()) + (rest.isEmpty() ? QStringList() : QStringList{rest});
        else if (first == u"arguments")
            c.arguments = rest.split(u' ', Qt::SkipEmptyParts);
        else if (first == u"datadir")
            c.data_dir = rest;
        else if (QStringList{"remove", "truncate", "garble", "replace", "sql", "fixture", "password", "folder",
                             "edition", "link"}
                     .contains(first))
            c.setup.append(line);
        else
            c.checks.emplace_back(n, line);
    };
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int n = 1; n <= lines.size(); ++n) {
        const QString line = lines[n - 1].trimmed();
        if (!line.startsWith(QStringLiteral("fails "))) {
            read_line(line, n);
            continue;
        }
        // "fails NAME | change && change | file | words | German cause": a start-up that ends with code 1.
        const QStringList columns = line.mid(6).split(u'|');
        QStringList expanded = QStringList{u"case "_qs + columns[0]} + columns.value(1).split(QStringLiteral("&&"));
        expanded << u"> dump reached.json"_qs << u"exit 1"_qs << u"dumps 0"_qs;
        // The file and the cause in the message the user reads; the words in the technical line.
        for (int column = 2; column <= 4; ++column)
            expanded << (column == 3 ? u"stderr has "_qs : u"message has "_qs)
                            + columns.value(column, u"(a column is missing)"_qs);
        for (const QString& part : expanded)
            read_line(part.trimmed(), n);
    }
    return cases;
}

// One change to the copy of the demo data in `folder`.
void apply(const QString& folder, const QString& step)
{
    QString rest = step;
    const QString what = take(rest);
    const QString file = folder + u'/' + take(rest);
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    QByteArray bytes = in.readAll();
    in.close();
    const auto write = [&] {
        ASSERT_TRUE(in.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
        in.write(bytes);
    };
    if (what == u"remove") {
        ASSERT_TRUE(QFileInfo(file).isDir() ? QDir(file).removeRecursively() : QFile::remove(file)) << file.toStdString();
    } else if (what == u"truncate") {
        const QString size = take(rest);
        ASSERT_TRUE(QFile::resize(file, size == u"half" ? bytes.size() / 2 : size.toLongLong()));
    } else if (what == u"garble") {
        // Bytes that follow no format, the same ones on every run.
        std::mt19937 noise(20240305);
        for (qsizetype i = take(rest).toLongLong(); i < bytes.size(); ++i)
            bytes[i] = char(noise() & 0xFF);
        write();
    } else if (what == u"replace") {
        const QString from = take(rest);
        ASSERT_TRUE(bytes.contains(from.toUtf8())) << step.toStdString();
        bytes.replace(from.toUtf8(), argument_of(rest).toUtf8());
        write();
    } else if (what == u"sql") {
        sqlite_exec(file, rest);
    } else if (what == u"fixture") {
        const QString fixture = QStringLiteral(SELUNAR_JET_FIXTURES "/") + take(rest);
        ASSERT_EQ(QProcess::execute(u"cp"_qs, {u"--no-preserve=mode"_qs, fixture, file}), 0);
    } else if (what == u"password") {
        ASSERT_EQ(QProcess::execute(u"python3"_qs, {QStringLiteral(SELUNAR_JETPW), u"write"_qs, file, take(rest)}), 0);
    } else if (what == u"folder") {
        QFile::remove(file);
        ASSERT_TRUE(QDir().mkpath(file));
    } else if (what == u"edition") {
        // A subfolder holding a book of its own: the demo's 2025 one, or FILE of the copy.
        const QString book = rest.isEmpty() ? QStringLiteral(SELUNAR_DATA_DIR) + u"2025/qov.mdb"_qs : folder + u'/' + take(rest);
        ASSERT_TRUE(QDir().mkpath(file));
        ASSERT_TRUE(QFile::copy(book, file + u"/qov.mdb"_qs)) << book.toStdString();
        QFile(file + u"/qov.mdb"_qs).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    } else if (what == u"link") {
        ASSERT_TRUE(QFile::link(take(rest), file)) << file.toStdString();
    }
}

// The case's SWORD folder: the three test modules, then its changes.
void make_sword_folder(const SwordTestFolder& folder, const QStringList& changes)
{
    for (const QString& change : changes) {
        QString rest = change;
        const QString what = take(rest);
        if (what == u"module") {
            const QString name = take(rest);
            const QString from = take(rest);
            QByteArrayList lines;
            for (QString line = take(rest); !line.isEmpty(); line = take(rest))
                lines.append(line.toUtf8());
            folder.copy_module(from, name, lines);
        } else if (what == u"conf") {
            const QString name = take(rest);
            folder.write_description(name, take(rest).toUtf8());
        } else {
            apply(folder.path(), change);
        }
    }
}

Outcome run(const Case& c, const QString& data_dir, const QString& home, const QString& sword)
{
    QTemporaryDir work;
    QFile script(work.filePath(QStringLiteral("session.script")));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QString(c.script.join(u'\n') + u'\n').replace(QStringLiteral("$DATA"), QDir::cleanPath(data_dir)).toUtf8());
    script.close();
    QDir(work.path()).mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.filePath(QStringLiteral("runtime")));
    // No session bus: a reminder must not reach the desktop of whoever runs the tests.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + work.filePath(QStringLiteral("no-bus")));
    // Nor its files: the user's folders are the case's own.
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        env.insert(QString::fromLatin1(variable), home);

    QProcess program;
    program.setWorkingDirectory(work.path());
    program.setProcessEnvironment(env);
    QStringList arguments{QStringLiteral("--data-dir"), data_dir, QStringLiteral("--today"), c.today,
                          QStringLiteral("--script"), script.fileName()};
    if (!c.settings.isNull()) {
        QFile settings(work.filePath(QStringLiteral("settings.ini")));
        EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(c.settings.toUtf8());
        arguments << QStringLiteral("--settings") << settings.fileName();
    }
    if (!sword.isEmpty())
        arguments << QStringLiteral("--sword") << sword;
    if (c.personal) {
        QFile personal(work.filePath(QStringLiteral("persoenlich.sqlite")));
        if (!c.personal->isEmpty() && personal.open(QIODevice::WriteOnly))
            personal.write(c.personal->toUtf8());
        arguments << QStringLiteral("--personal") << personal.fileName();
    }
    program.start(QStringLiteral(SELUNAR_PROGRAM), arguments + c.arguments);
    Outcome outcome;
    outcome.finished = program.waitForFinished(180000);
    program.kill();
    program.waitForFinished();
    outcome.exit_code = program.exitStatus() == QProcess::CrashExit ? -1 : program.exitCode();
    outcome.errors = QString::fromUtf8(program.readAllStandardError());
    for (const QFileInfo& json : QDir(work.path()).entryInfoList({QStringLiteral("*.json")}, QDir::Files)) {
        QFile in(json.filePath());
        in.open(QIODevice::ReadOnly);
        outcome.dumps[json.fileName()] = QJsonDocument::fromJson(in.readAll()).object();
    }
    for (const QFileInfo& png : QDir(work.path()).entryInfoList({QStringLiteral("*.png")}, QDir::Files))
        outcome.pictures[png.fileName()] = QImage(png.filePath()).convertToFormat(QImage::Format_ARGB32);
    for (const QFileInfo& file : QDir(work.path()).entryInfoList({QStringLiteral("*.ini"), QStringLiteral("*.pdf"), QStringLiteral("*.md"), QStringLiteral("*.defekt-*")}, QDir::Files)) {
        QByteArray bytes;
        if (file.suffix() == u"pdf") {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {file.filePath(), QStringLiteral("-")});
            text.waitForFinished();
            bytes = text.readAllStandardOutput();
        } else {
            QFile in(file.filePath());
            in.open(QIODevice::ReadOnly);
            bytes = in.readAll();
        }
        // A store put aside is named by the time it was; the cases name it "...defekt-*".
        static const QRegularExpression time(QStringLiteral("defekt-\\d{8}-\\d{6}$"));
        outcome.files[QString(file.fileName()).replace(time, QStringLiteral("defekt-*"))] = QString::fromUtf8(bytes);
    }
    return outcome;
}

// Every entry below `root` with its kind, permissions, size, times to the
// nanosecond and content (the tests run as root, who may write read-only
// files); `writable` set first unless left out.
std::map<QString, QByteArray> snapshot(const QString& root, std::optional<bool> writable = {})
{
    std::map<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    for (QString path = root; !path.isEmpty(); path = it.hasNext() ? it.next() : QString()) {
        const QByteArray name = QFile::encodeName(path);
        struct stat info {};
        EXPECT_EQ(lstat(name.constData(), &info), 0) << path.toStdString();
        if (writable)
            chmod(name.constData(), *writable ? info.st_mode | S_IWUSR : info.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH));
        QFile file(path);
        const QByteArray content = S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        entries[path] = QString::asprintf("%o %lld %lld.%ld %lld.%ld ", info.st_mode, qint64(info.st_size),
                                          qint64(info.st_mtim.tv_sec), info.st_mtim.tv_nsec,
                                          qint64(info.st_ctim.tv_sec), info.st_ctim.tv_nsec).toUtf8()
            + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    }
    return entries;
}

// stderr's first message: its "selunar: " line and the lines up to the next
// one. On a failed start-up this is the German text of the message box.
QString first_message(const QString& errors)
{
    const QString mark = u"selunar: "_qs;
    const qsizetype start = errors.indexOf(mark);
    const qsizetype end = errors.indexOf(u'\n' + mark, start);
    return start < 0 ? QString() : errors.mid(start + mark.size(), end < 0 ? -1 : end - start - mark.size());
}

// The value at a dotted path ("html.WB0", "lists.chaps.count", "messages.-1"; "." for the whole dump).
QJsonValue at(const QJsonValue& root, const QString& path)
{
    QJsonValue value = root;
    for (const QString& key : path.split(u'.', Qt::SkipEmptyParts)) {
        const QJsonArray array = value.toArray();
        value = value.isArray() ? array.at(key.toInt() < 0 ? array.size() + key.toInt() : key.toInt()) : value[key];
    }
    // A mistyped path would make "lacks" and "count 0" true of nothing.
    EXPECT_FALSE(value.isUndefined()) << "no " << path.toStdString();
    return value;
}

QString as_text(const QJsonValue& value)
{
    QStringList parts;
    for (const QJsonValue& item : value.toArray())
        parts.append(as_text(item));
    return value.isString() ? value.toString()
         : value.isArray()  ? parts.join(u'\n')
         : value.isDouble() ? QString::number(value.toDouble())
                            : QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// "NAME [X Y W H] same|differs NAME2": two screenshots of the session have
// the same pixels, in the rectangle if given, or not.
void check_picture(const Outcome& outcome, QString rest)
{
    const auto picture = [&](const QString& name) {
        const auto found = outcome.pictures.find(name);
        EXPECT_TRUE(found != outcome.pictures.end()) << "no picture " << name.toStdString();
        return found == outcome.pictures.end() ? QImage() : found->second;
    };
    const QImage first = picture(take(rest));
    QRect area = first.rect();
    QString op = take(rest);
    if (!op.isEmpty() && op[0].isDigit()) {
        const int x = op.toInt(), y = take(rest).toInt(), width = take(rest).toInt();
        area = QRect(x, y, width, take(rest).toInt());
        op = take(rest);
    }
    const QImage second = picture(take(rest));
    EXPECT_TRUE(first.rect().contains(area) && second.rect().contains(area))
        << "no rectangle " << area.x() << " " << area.y() << " " << area.width() << " " << area.height();
    const bool same = first.size() == second.size() && first.copy(area) == second.copy(area);
    if (op == u"same")
        EXPECT_TRUE(same) << "the pictures differ";
    else if (op == u"differs")
        EXPECT_FALSE(same) << "the pictures are the same";
    else
        ADD_FAILURE() << "unknown picture fact: " << op.toStdString();
}

// One fact: "SUBJECT [PATH] [since DUMP] OP ARGUMENT"; SUBJECT is a dump,
// "*" (every dump), "stderr" or "message", which have no path, or
// "picture" with a fact of its own.
void check(const Outcome& outcome, const QString& line)
{
    QString rest = line;
    const QString subject = take(rest);
    if (subject == u"picture")
        return check_picture(outcome, rest);
    if (subject == u"*") {
        for (const auto& [name, dump] : outcome.dumps) {
            SCOPED_TRACE(name.toStdString());
            check(outcome, name + u' ' + rest);
        }
        return;
    }
    const auto dump_of = [&](const QString& name) {
        const auto found = outcome.dumps.find(name);
        EXPECT_TRUE(found != outcome.dumps.end()) << "no dump " << name.toStdString();
        return found == outcome.dumps.end() ? QJsonObject() : found->second;
    };
    // "file NAME" is a file the session wrote (a PDF as pdftotext reads it).
    const QString file = subject == u"file" ? take(rest) : QString();
    const QString path = subject == u"stderr" || subject == u"message" || subject == u"file" ? QString() : take(rest);
    QJsonValue value = subject == u"stderr"  ? QJsonValue(outcome.errors)
                     : subject == u"message" ? QJsonValue(first_message(outcome.errors))
                     : subject == u"file"    ? QJsonValue(outcome.files.count(file) ? outcome.files.at(file) : QString())
                                             : at(dump_of(subject), path);
    QString op = take(rest);
    if (op == u"since") {
        QJsonArray later = value.toArray();
        for (qsizetype n = at(dump_of(take(rest)), path).toArray().size(); n > 0 && !later.isEmpty(); --n)
            later.removeFirst();
        value = later;
        op = take(rest);
    }
    // "count N [TEXT]", "distinct N REGEX" and "same DUMP [PATH]" take a word first.
    const QString first = op == u"count" || op == u"distinct" || op == u"same" ? take(rest) : QString();
    const QString argument = argument_of(rest);
    const QString text = as_text(value);
    const qsizetype size = value.isArray() ? value.toArray().size() : value.isObject() ? value.toObject().size() : text.size();
    const std::string shown = text.left(2000).toStdString();
    if (op == u"=" && (value.isArray() || value.isObject())) {
        // JSON, or one text for a list of one.
        const bool json = argument.startsWith(u'[') || argument.startsWith(u'{');
        EXPECT_TRUE(value == (json ? QJsonDocument::fromJson(("[" + argument + "]").toUtf8()).array().at(0)
                                   : QJsonValue(QJsonArray{argument}))) << shown;
    } else if (op == u"=") {
        EXPECT_EQ(text, argument);
    } else if (op == u"has") {
        EXPECT_TRUE(text.contains(argument, subject == u"stderr" ? Qt::CaseInsensitive : Qt::CaseSensitive))
            << "lacks " << argument.toStdString() << ": " << shown;
    } else if (op == u"lacks") {
        EXPECT_FALSE(text.contains(argument)) << "has " << argument.toStdString() << ": " << shown;
    } else if (op == u"starts") {
        EXPECT_TRUE(text.startsWith(argument)) << shown;
    } else if (op == u"ends") {
        EXPECT_TRUE(text.endsWith(argument)) << text.right(300).toStdString();
    } else if (op == u"count") {
        // Of an array: its entries equal to TEXT; of a text: the places TEXT occurs.
        EXPECT_EQ(argument.isEmpty()  ? size
                  : value.isArray()   ? value.toArray().toVariantList().count(argument)
                                      : text.count(argument),
                  first.toInt()) << shown;
    } else if (op == u"shows" || op == u"hides") {
        // "visible shows WB1 headline1": each named member is true (or false for "hides").
        for (const QString& name : argument.split(u' ', Qt::SkipEmptyParts))
            EXPECT_EQ(at(value, name), QJsonValue(op == u"shows")) << name.toStdString();
    } else if (op == u"under") {
        EXPECT_LT(size, argument.toInt());
    } else if (op == u"nomatch") {
        EXPECT_FALSE(text.contains(QRegularExpression(argument))) << shown;
    } else if (op == u"distinct") {
        QSet<QString> found;
        for (auto it = QRegularExpression(argument).globalMatch(text); it.hasNext();)
            found.insert(it.next().captured());
        EXPECT_EQ(found.size(), first.toInt());
    } else if (op == u"same") {
        const QJsonValue other = at(dump_of(first), argument.isEmpty() ? path : argument);
        EXPECT_TRUE(value == other) << shown << "\ndiffers from " << first.toStdString() << ":\n"
                                    << as_text(other).left(2000).toStdString();
    } else {
        ADD_FAILURE() << "unknown fact: " << line.toStdString();
    }
}

void run_case(const Case& c)
{
    QTemporaryDir copy, home;
    QString data_dir = c.data_dir;
    if (!c.setup.isEmpty() || c.read_only || c.single) {
        data_dir = copy.path();
        QStringList copied{u"-r"_qs, u"--no-preserve=mode"_qs};
        for (const char* name : {"qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"})
            copied << QStringLiteral(SELUNAR_DATA_DIR) + QLatin1String(name);
        ASSERT_EQ(QProcess::execute(u"cp"_qs, copied << data_dir), 0);
        for (const QString& step : c.setup) {
            apply(copy.path(), step);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
    std::optional<SwordTestFolder> sword;
    if (c.sword)
        make_sword_folder(sword.emplace(), *c.sword);
    // The modules are only read, as the book's files are.
    std::vector<QString> kept{copy.path()};
    if (sword)
        kept.push_back(sword->path());
    std::map<QString, std::map<QString, QByteArray>> before;
    for (const QString& folder : kept)
        if (c.read_only) {
            snapshot(folder, false);
            before[folder] = snapshot(folder);
        }
    const Outcome outcome = run(c, data_dir, home.path(), sword ? sword->path() : QString());
    ASSERT_TRUE(outcome.finished);
    ASSERT_EQ(outcome.exit_code, c.exit_code) << outcome.errors.toStdString();
    EXPECT_TRUE(c.dumps < 0 || outcome.dumps.size() == size_t(c.dumps)) << outcome.dumps.size() << " dumps";
    for (const auto& [line, fact] : c.checks) {
        SCOPED_TRACE(QStringLiteral("%1.cases:%2").arg(c.file).arg(line).toStdString());
        check(outcome, QString(fact).replace(QStringLiteral("$DATA"), QDir::cleanPath(data_dir)));
    }
    if (c.read_only) {
        for (const QString& folder : kept) {
            EXPECT_EQ(snapshot(folder), before[folder]) << folder.toStdString();
            snapshot(folder, true);
        }
        EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

struct CaseTest : testing::Test {
    explicit CaseTest(Case c) : c(std::move(c)) {}
    void TestBody() override { run_case(c); }
    const Case c;
};

const bool registered = [] {
    for (const QFileInfo& file : QDir(QStringLiteral(SELUNAR_CASES)).entryInfoList({QStringLiteral("*.cases")}))
        for (const auto& [name, c] : read_cases(file.filePath()))
            testing::RegisterTest(c.file.toStdString().c_str(), name.toStdString().c_str(), nullptr, nullptr,
                                  file.filePath().toStdString().c_str(), c.line,
                                  [c = c]() -> testing::Test* { return new CaseTest(c); });
    return true;
}();

} // namespace
