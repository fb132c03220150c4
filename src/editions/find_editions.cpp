// SPDX-License-Identifier: GPL-2.0-or-later
#include "find_editions.h"

#include "edition_probe.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

// The folders in `folder` and, with QDir::System, the links that lead
// nowhere; never hidden ones (QDir leaves them out without QDir::Hidden).
QFileInfoList subfolders(const QString& folder, QDir::Filters filters)
{
    QFileInfoList found;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(filters | QDir::NoDotAndDotDot, QDir::Name))
        if (entry.isDir() || (entry.isSymLink() && !entry.exists()))
            found.append(entry);
    // Real folders first, so that a link to one of them is the one told apart.
    std::stable_partition(found.begin(), found.end(), [](const QFileInfo& entry) { return !entry.isSymLink(); });
    return found;
}

Edition unusable(const QString& folder, const QString& reason)
{
    Edition edition;
    edition.folder = folder;
    edition.parts = edition_parts(folder);
    edition.reason = reason;
    return edition;
}

// A link that cannot be followed: it leads nowhere, or in a circle.
QString broken_link_reason(const QString& folder)
{
    struct stat status;
    const bool circle = stat(QFile::encodeName(folder).constData(), &status) != 0 && errno == ELOOP;
    return file_reason(QDir(folder).filePath(book_name()), circle ? FileFailure::unreadable : FileFailure::missing);
}

int year_order(const Edition& edition)
{
    return edition.year ? edition.year : std::numeric_limits<int>::max();
}

} // namespace

Editions find_editions(const QString& folder)
{
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    const EditionParts root_parts = edition_parts(root);
    Editions editions;
    BibleChecks bibles;
    // Canonical paths of the folders listed, and of the data folder itself.
    QHash<QString, QString> listed{{QFileInfo(root).canonicalFilePath(), root}};
    if (const QFileInfo own(root_parts.book_file); own.exists() || own.isSymLink())
        editions.append(probe_edition(root, root_parts, bibles));

    for (const QFileInfo& entry : subfolders(root, QDir::Dirs | QDir::System)) {
        const QString path = entry.absoluteFilePath();
        if (!entry.exists()) {
            editions.append(unusable(path, broken_link_reason(path)));
            continue;
        }
        if (!entry.isReadable() || !entry.isExecutable()) {
            editions.append(unusable(path, file_reason(QDir(path).filePath(book_name()), FileFailure::unreadable)));
            continue;
        }
        const QFileInfo book(QDir(path).filePath(book_name()));
        if (!book.exists() && !book.isSymLink())
            continue;
        const QString canonical = entry.canonicalFilePath();
        if (const auto seen = listed.constFind(canonical); seen != listed.constEnd()) {
            editions.append(unusable(path, QStringLiteral("%1: derselbe Jahrgang wie %2")
                                               .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(*seen))));
            continue;
        }
        listed.insert(canonical, path);
        editions.append(probe_edition(path, edition_parts(path, root_parts), bibles));
    }
    std::stable_sort(editions.begin(), editions.end(), [](const Edition& a, const Edition& b) {
        return std::pair(year_order(a), a.folder) < std::pair(year_order(b), b.folder);
    });
    return editions;
}

bool holds_edition(const QString& folder)
{
    const QString own = QDir(folder).filePath(book_name());
    if (QFileInfo(own).isFile())
        return true;
    const QFileInfoList found = subfolders(folder, QDir::Dirs);
    return std::any_of(found.begin(), found.end(), [](const QFileInfo& entry) {
        return QFileInfo(QDir(entry.absoluteFilePath()).filePath(book_name())).isFile();
    });
}
