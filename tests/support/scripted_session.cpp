#include "scripted_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

QJsonObject SessionOutcome::dump(const QString& name) const
{
    const auto found = dumps.find(name);
    if (found == dumps.end()) {
        ADD_FAILURE() << "no dump " << name.toStdString() << " (exit code " << exit_code
                      << (crashed ? ", crashed" : "") << "): " << errors.toStdString();
        return {};
    }
    return found->second;
}

SessionOutcome run_session(const QString& data_dir, const QString& script, const QString& today,
                           const QStringList& environment)
{
    SessionOutcome outcome;
    QTemporaryDir work;
    QFile file(work.filePath(QStringLiteral("session.script")));
    if (!file.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write the session script";
        return outcome;
    }
    file.write(script.toUtf8());
    file.close();
    QDir(work.path()).mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess program;
    program.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.filePath(QStringLiteral("runtime")));
    for (const QString& entry : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SELUNAR_PROGRAM),
                  {QStringLiteral("--data-dir"), data_dir, QStringLiteral("--today"), today,
                   QStringLiteral("--script"), file.fileName()});
    outcome.finished = program.waitForFinished(180000);
    if (!outcome.finished) {
        program.kill();
        program.waitForFinished();
    }
    outcome.crashed = program.exitStatus() == QProcess::CrashExit;
    outcome.exit_code = outcome.crashed ? -1 : program.exitCode();
    outcome.errors = QString::fromUtf8(program.readAllStandardError());

    for (const QFileInfo& json : QDir(work.path()).entryInfoList({QStringLiteral("*.json")}, QDir::Files)) {
        QFile in(json.filePath());
        if (in.open(QIODevice::ReadOnly))
            outcome.dumps[json.fileName()] = QJsonDocument::fromJson(in.readAll()).object();
    }
    return outcome;
}

QString page_text(const QJsonObject& dump, const QString& view)
{
    return dump[QStringLiteral("html")][view].toString();
}

QStringList messages(const QJsonObject& dump)
{
    QStringList texts;
    for (const QJsonValue& message : dump[QStringLiteral("messages")].toArray())
        texts.append(message.toString());
    return texts;
}

bool is_visible(const QJsonObject& dump, const QString& control)
{
    return dump[QStringLiteral("visible")][control].toBool();
}
