// SPDX-License-Identifier: GPL-2.0-or-later
#include "durable_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <utility>
#include <vector>

CopyFailure::CopyFailure(const QString& path, int error)
    : std::runtime_error(QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))).toStdString())
    , path_(path)
    , error_(error)
{
}

QString CopyFailure::german_cause() const
{
    switch (error_) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("auf dem Datenträger ist nicht genug Platz");
    case EFBIG: return QStringLiteral("die Datei ist zu groß für den Datenträger");
    case EROFS: return QStringLiteral("der Datenträger ist schreibgeschützt");
    case EACCES:
    case EPERM: return QStringLiteral("keine Berechtigung");
    case ENOENT: return QStringLiteral("die Datei fehlt");
    case EIO: return QStringLiteral("die Datei kann nicht gelesen werden (Ein-/Ausgabefehler)");
    case EEXIST: return QStringLiteral("schon vorhanden");
    default: break;
    }
    return QStringLiteral("Fehler %1 (%2)").arg(error_).arg(QString::fromLocal8Bit(std::strerror(error_)));
}

namespace {

constexpr mode_t file_mode = 0644;
constexpr mode_t folder_mode = 0755;
constexpr std::size_t buffer_size = 1 << 20;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void fail(const QString& path)
{
    throw CopyFailure(path, errno);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, reporting what closing says (a write may fail only here).
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

void write_all(int fd, const char* data, std::size_t size, const QString& target)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail(target);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// The names in `folder`, without "." and "..".
std::vector<QString> names_in(const QString& folder)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(native(folder).constData()));
    if (!dir)
        fail(folder);
    std::vector<QString> names;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                fail(folder);
            break;
        }
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.push_back(QFile::decodeName(entry->d_name));
    }
    return names;
}

using FolderIds = std::set<std::pair<dev_t, ino_t>>;

void copy_folder(const QString& source, const QString& target, FolderIds& copying)
{
    struct stat folder;
    if (::stat(native(source).constData(), &folder) != 0)
        fail(source);
    copying.insert({folder.st_dev, folder.st_ino});
    if (::mkdir(native(target).constData(), folder_mode) != 0)
        fail(target);
    for (const QString& name : names_in(source)) {
        const QString from = source + u'/' + name;
        const QString to = target + u'/' + name;
        struct stat status;
        if (::stat(native(from).constData(), &status) != 0) {
            // A link that leads nowhere or in a circle holds nothing to copy.
            if (errno == ENOENT || errno == ELOOP)
                continue;
            fail(from);
        }
        if (S_ISREG(status.st_mode))
            copy_file_durably(from, to);
        else if (S_ISDIR(status.st_mode) && !copying.count({status.st_dev, status.st_ino}))
            copy_folder(from, to, copying);
    }
    sync_folder(target);
    copying.erase({folder.st_dev, folder.st_ino});
}

} // namespace

void copy_file_durably(const QString& source, const QString& target)
{
    Fd in(::open(native(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        fail(source);
    Fd out(::open(native(target).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, file_mode));
    if (out.get() < 0)
        fail(target);
    const std::unique_ptr<char[]> buffer(new char[buffer_size]);
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.get(), buffer_size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(source);
        if (got == 0)
            break;
        write_all(out.get(), buffer.get(), static_cast<std::size_t>(got), target);
    }
    if (::fsync(out.get()) != 0 || out.close() != 0)
        fail(target);
}

void copy_folder_durably(const QString& source, const QString& target)
{
    FolderIds copying;
    copy_folder(source, target, copying);
}

void make_folders(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(path).isDir())
        return;
    make_folders(QFileInfo(path).absolutePath());
    if (::mkdir(native(path).constData(), folder_mode) != 0 && errno != EEXIST)
        fail(path);
    sync_folder(QFileInfo(path).absolutePath());
}

void sync_folder(const QString& folder)
{
    Fd dir(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0)
        fail(folder);
}

void rename_without_replacing(const QString& from, const QString& to)
{
    const QByteArray old_name = native(from);
    const QByteArray new_name = native(to);
    if (::renameat2(AT_FDCWD, old_name.constData(), AT_FDCWD, new_name.constData(), RENAME_NOREPLACE) != 0) {
        // Some file systems cannot refuse to replace by themselves.
        if (errno != EINVAL)
            fail(to);
        if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
            errno = EEXIST;
            fail(to);
        }
        if (::rename(old_name.constData(), new_name.constData()) != 0)
            fail(to);
    }
}
