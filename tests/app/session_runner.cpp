#include "session_runner.h"

#include <gtest/gtest.h>

#include <QFile>

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

const Session& run_session_file(const QString& name, const QString& today)
{
    static std::map<QString, Session> sessions;
    const QString key = name + u'|' + today;
    if (const auto known = sessions.find(key); known != sessions.end())
        return known->second;

    QFile file(QStringLiteral(SELUNAR_SESSIONS) + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read the session " << name.toStdString();
    const Session& session = sessions[key] =
        run_script(QString::fromUtf8(file.readAll()), QStringLiteral(SELUNAR_DATA_DIR), today);
    EXPECT_EQ(session.exit_code, 0) << session.errors.toStdString();
    return session;
}

Session run_script(const QString& script, const QString& data_dir, const QString& today)
{
    return {run_session(data_dir, script, today)};
}
