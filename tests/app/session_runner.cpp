#include "session_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

QString Dump::text(const char* key) const
{
    return json[QLatin1String(key)].toString();
}

QString Dump::text(const char* group, const char* key) const
{
    return json[QLatin1String(group)][QLatin1String(key)].toString();
}

QString Dump::page(const char* view) const
{
    return text("html", view);
}

bool Dump::shows(const QString& control) const
{
    const QJsonValue value = json[QStringLiteral("visible")][control];
    EXPECT_TRUE(value.isBool()) << "no control " << control.toStdString();
    return value.toBool();
}

QJsonValue Dump::list(const char* name, const char* member) const
{
    return json[QStringLiteral("lists")][QLatin1String(name)][QLatin1String(member)];
}

QStringList Dump::strings(const char* key) const
{
    QStringList result;
    for (const QJsonValue& value : json[QLatin1String(key)].toArray())
        result.append(value.toString());
    return result;
}

QString Dump::last_query() const
{
    const QStringList queries = strings("queries");
    return queries.isEmpty() ? QString() : queries.constLast();
}

QStringList Dump::queries_since(const Dump& before) const
{
    return strings("queries").mid(before.strings("queries").size());
}

Dump Session::dump(const QString& name) const
{
    const auto found = dumps.find(name);
    if (found == dumps.end()) {
        ADD_FAILURE() << "no dump " << name.toStdString() << "; exit code " << exit_code << ", errors: "
                      << errors.toStdString();
        return {};
    }
    return {found->second};
}

const Session& run_session(const QString& name, const SessionOptions& options)
{
    static std::map<QString, Session> sessions;
    const QString key = name + u'|' + options.today + u'|' + options.data_dir;
    if (const auto known = sessions.find(key); known != sessions.end())
        return known->second;

    QFile file(QStringLiteral(SELUNAR_SESSIONS) + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read the session " << name.toStdString();
    const Session& session = sessions[key] = run_script_text(QString::fromUtf8(file.readAll()), options);
    EXPECT_EQ(session.exit_code, 0) << session.errors.toStdString();
    return session;
}

Session run_script_text(const QString& text, const SessionOptions& options)
{
    Session session;
    QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("session.script")));
    if (!script.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write the session script";
        return session;
    }
    script.write(text.toUtf8());
    script.close();

    QProcess program;
    program.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SELUNAR_PROGRAM),
                  {QStringLiteral("--data-dir"), options.data_dir, QStringLiteral("--today"), options.today,
                   QStringLiteral("--script"), script.fileName()});
    if (!program.waitForFinished(180000)) {
        ADD_FAILURE() << "the session did not end: " << program.errorString().toStdString();
        program.kill();
        program.waitForFinished();
        return session;
    }
    session.exit_code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    session.errors = QString::fromUtf8(program.readAllStandardError());

    for (const QFileInfo& dump : QDir(folder.path()).entryInfoList({QStringLiteral("*.json")}, QDir::Files)) {
        QFile json(dump.filePath());
        if (json.open(QIODevice::ReadOnly))
            session.dumps[dump.fileName()] = QJsonDocument::fromJson(json.readAll()).object();
    }
    return session;
}
