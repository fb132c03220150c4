// SPDX-License-Identifier: GPL-2.0-or-later
#include "autostart_entry.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

QString autostart_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/de.selunar.Reader.desktop");
}

QString autostart_command(const QString& program_path)
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("selunar"));
    if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == QFileInfo(program_path).canonicalFilePath())
        return QStringLiteral("selunar");
    // Characters the entry's Exec key would need quoted are left to the search path.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    return plain.match(program_path).hasMatch() ? program_path : QStringLiteral("selunar");
}

QByteArray autostart_entry(const QString& program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Selunar\n"
                          "Comment=Zeigt beim Anmelden die Andacht des Tages, einmal am Tag\n"
                          "Exec=%1 --once\n"
                          "Icon=de.selunar.Reader\n"
                          "Terminal=false\n")
        .arg(program)
        .toUtf8();
}

QString write_autostart(const QString& path, const QString& program)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(autostart_entry(program)) < 0 || !file.commit())
        return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString());
    return {};
}

QString remove_autostart(const QString& path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        return QStringLiteral("Die Datei %1 kann nicht gelöscht werden: %2").arg(path, file.errorString());
    return {};
}
