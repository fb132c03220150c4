#include "session_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

QJsonObject Session::dump(const QString& name) const
{
    const auto found = dumps.find(name);
    if (found == dumps.end()) {
        ADD_FAILURE() << "no dump " << name.toStdString() << "; exit code " << exit_code << ", errors: "
                      << errors.toStdString();
        return {};
    }
    return found->second;
}

Session run_session(const QString& name, const SessionOptions& options)
{
    QFile file(QStringLiteral(SELUNAR_SESSIONS) + u'/' + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read the session " << name.toStdString();
        return {};
    }
    return run_script_text(QString::fromUtf8(file.readAll()), options);
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

bool visible(const QJsonObject& dump, const QString& control)
{
    const QJsonValue value = dump[QStringLiteral("visible")][control];
    EXPECT_TRUE(value.isBool()) << "no control " << control.toStdString();
    return value.toBool();
}

QStringList strings(const QJsonValue& array)
{
    QStringList result;
    for (const QJsonValue& value : array.toArray())
        result.append(value.toString());
    return result;
}

QString page(const QJsonObject& dump, const QString& view)
{
    return dump[QStringLiteral("html")][view].toString();
}

QJsonObject list(const QJsonObject& dump, const QString& name)
{
    return dump[QStringLiteral("lists")][name].toObject();
}

QStringList queries_since(const QJsonObject& before, const QJsonObject& after)
{
    const QStringList all = strings(after[QStringLiteral("queries")]);
    return all.mid(before[QStringLiteral("queries")].toArray().size());
}
