// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition.h"

#include <QDir>
#include <QFileInfo>

QString book_name()
{
    return QStringLiteral("qov.mdb");
}

QString bible_name()
{
    return QStringLiteral("elberfelderbibel.mdb");
}

QString templates_name()
{
    return QStringLiteral("qovfiles");
}

QString pictures_name()
{
    return QStringLiteral("qov_pics");
}

QStringList template_names()
{
    return {QStringLiteral("qovtemp.htm"), QStringLiteral("qovliste.htm"), QStringLiteral("bibelliste.htm"),
            QStringLiteral("impressum.htm"), QStringLiteral("hilfe.htm"), QStringLiteral("bibel.htm")};
}

QString bible_connect()
{
    return QStringLiteral("MS Access;PWD=Murb64#7;");
}

namespace {

// The folder's own part, or the fallback's where the folder lacks it.
QString part(const QString& own, const QString& fallback)
{
    if (QFileInfo::exists(own) || fallback.isEmpty() || !QFileInfo::exists(fallback))
        return own;
    return fallback;
}

} // namespace

EditionParts edition_parts(const QString& folder, const EditionParts& fallback)
{
    const QDir dir(QDir::cleanPath(QDir(folder).absolutePath()));
    return {dir.filePath(book_name()), part(dir.filePath(bible_name()), fallback.bible_file),
            part(dir.filePath(templates_name()), fallback.templates_folder),
            part(dir.filePath(pictures_name()), fallback.pictures_folder)};
}

QString edition_folder(const QString& place)
{
    const QFileInfo info(QDir::cleanPath(QDir(place).absolutePath()));
    return info.isFile() ? info.absolutePath() : info.absoluteFilePath();
}
