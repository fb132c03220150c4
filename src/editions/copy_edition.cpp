// SPDX-License-Identifier: GPL-2.0-or-later
#include "copy_edition.h"

#include "durable_copy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>

EditionCopyError::EditionCopyError(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString())
    , kind_(kind)
{
}

namespace {

// Hidden, so an interrupted copy is never taken for an edition.
const QString temporary_prefix = QStringLiteral(".neu-");

QString replaced_name()
{
    return QStringLiteral("ersetzt");
}

bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void remove_leftovers(const QString& folder)
{
    const QStringList leftovers = QDir(folder).entryList({temporary_prefix + u'*'}, QDir::Dirs | QDir::Hidden);
    for (const QString& name : leftovers)
        QDir(QDir(folder).filePath(name)).removeRecursively();
}

// The temporary folder of this copy, removed again unless it was renamed.
class TemporaryFolder {
public:
    TemporaryFolder(const QString& folder, int year)
    {
        QByteArray name = QFile::encodeName(QDir(folder).filePath(temporary_prefix + QString::number(year) + u'-'))
            + "XXXXXX";
        if (!mkdtemp(name.data()))
            throw CopyFailure(QFile::decodeName(name), errno);
        path_ = QFile::decodeName(name);
        // Made for the owner alone; once renamed it is a folder like the others.
        if (chmod(name.constData(), 0755) != 0)
            throw CopyFailure(path_, errno);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder()
    {
        if (!path_.isEmpty())
            QDir(path_).removeRecursively();
    }
    const QString& path() const { return path_; }
    void renamed() { path_.clear(); }

private:
    QString path_;
};

// A free place for the edition that is replaced, named by the time.
QString aside_folder(const QString& user_data_folder, int year)
{
    const QDir replaced(QDir(user_data_folder).filePath(replaced_name()));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = replaced.filePath(QStringLiteral("%1-%2").arg(year).arg(stamp));
    for (int n = 2; present(path); ++n)
        path = replaced.filePath(QStringLiteral("%1-%2-%3").arg(year).arg(stamp).arg(n));
    return path;
}

void copy_parts(const EditionParts& source, const QString& target)
{
    const QDir to(target);
    copy_file_durably(source.book_file, to.filePath(book_name()));
    if (present(source.bible_file))
        copy_file_durably(source.bible_file, to.filePath(bible_name()));
    if (present(source.templates_folder))
        copy_folder_durably(source.templates_folder, to.filePath(templates_name()));
    if (present(source.pictures_folder))
        copy_folder_durably(source.pictures_folder, to.filePath(pictures_name()));
    sync_folder(target);
}

CopiedEdition copy_into(const EditionParts& source, const QString& folder, int year, ExistingYear existing)
{
    CopiedEdition copied{QDir(folder).filePath(QString::number(year)), {}};
    if (existing == ExistingYear::keep && present(copied.folder))
        throw EditionCopyError(EditionCopyError::Kind::year_present,
                               QStringLiteral("Der Jahrgang %1 ist schon vorhanden: %2")
                                   .arg(year)
                                   .arg(QDir::toNativeSeparators(copied.folder)));
    make_folders(folder);
    remove_leftovers(folder);
    TemporaryFolder temporary(folder, year);
    copy_parts(source, temporary.path());
    // The replaced edition goes aside first: whatever happens next, it is
    // kept, in its place or aside.
    if (present(copied.folder)) {
        copied.replaced_folder = aside_folder(folder, year);
        make_folders(QFileInfo(copied.replaced_folder).absolutePath());
        rename_without_replacing(copied.folder, copied.replaced_folder);
    }
    try {
        rename_without_replacing(temporary.path(), copied.folder);
    } catch (const CopyFailure&) {
        if (!copied.replaced_folder.isEmpty())
            rename_without_replacing(copied.replaced_folder, copied.folder);
        throw;
    }
    temporary.renamed();
    if (!copied.replaced_folder.isEmpty())
        sync_folder(QFileInfo(copied.replaced_folder).absolutePath());
    sync_folder(folder);
    return copied;
}

} // namespace

CopiedEdition copy_edition(const EditionParts& source, const QString& user_data_folder, int year,
                           ExistingYear existing)
{
    const QString folder = QDir::cleanPath(QDir(user_data_folder).absolutePath());
    try {
        return copy_into(source, folder, year, existing);
    } catch (const CopyFailure& failure) {
        throw EditionCopyError(EditionCopyError::Kind::failed,
                               QStringLiteral("Der Jahrgang %1 kann nicht übernommen werden: %2: %3")
                                   .arg(year)
                                   .arg(QDir::toNativeSeparators(failure.path()), failure.german_cause()));
    }
}
