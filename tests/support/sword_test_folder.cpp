// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct Installed {
    const char* name;
    const char* description;  // the description file in mods.d
    QString folder;           // the SWORD folder it is installed in
    const char* data;         // its data folder below it
};

const Installed installed[] = {
    {"engKJV2006eb", "engKJV2006eb.conf", QStringLiteral("/usr/share/sword"), "modules/texts/ztext/engKJV2006eb"},
    {"engWEB2015eb", "engWEB2015eb.conf", QStringLiteral("/usr/share/sword"), "modules/texts/ztext/engWEB2015eb"},
    {"GerElb1905", "gerelb1905.conf", QStringLiteral(SELUNAR_SHARED_SWORD), "modules/texts/ztext/gerelb1905"},
};

const Installed& installed_module(const QString& name)
{
    for (const Installed& module : installed)
        if (name == QLatin1String(module.name))
            return module;
    ADD_FAILURE() << "no such module " << name.toStdString();
    return installed[0];
}

QByteArray read_all(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void copy_folder(const QString& from, const QString& to)
{
    ASSERT_TRUE(QDir().mkpath(to));
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        const QString target = to + u'/' + name;
        ASSERT_TRUE(QFile::copy(from + u'/' + name, target)) << target.toStdString();
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

SwordTestFolder::SwordTestFolder()
{
    for (const Installed& module : installed)
        copy_module(QLatin1String(module.name), QLatin1String(module.name));
}

void SwordTestFolder::write_description(const QString& file_name, const QByteArray& text) const
{
    QDir().mkpath(file(QStringLiteral("mods.d")));
    QFile out(file(QStringLiteral("mods.d/") + file_name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
}

QString SwordTestFolder::copy_module(const QString& module, const QString& name, const QByteArrayList& changes) const
{
    const Installed& source = installed_module(module);
    const QString data = QStringLiteral("modules/texts/ztext/") + name;
    copy_folder(source.folder + u'/' + QLatin1String(source.data), file(data));
    QByteArrayList lines = read_all(source.folder + QStringLiteral("/mods.d/") + QLatin1String(source.description))
                               .split('\n');
    lines[lines.indexOf('[' + module.toUtf8() + ']')] = '[' + name.toUtf8() + ']';
    for (QByteArray change : QByteArrayList{"DataPath=./" + data.toUtf8() + '/'} + changes) {
        const QByteArray key = change.left(change.indexOf('=') + 1);
        const auto at = std::find_if(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.startsWith(key); });
        if (at != lines.end())
            *at = change;
        else
            lines << change;
    }
    write_description(name.toLower() + QStringLiteral(".conf"), lines.join('\n'));
    return file(data);
}
