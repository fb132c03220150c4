// The program writes nothing: a whole session over a data folder that is
// read-only leaves every file and folder in it exactly as it was, creates
// nothing beside them, and leaves the home and cache folders it was given
// empty. The tests run as root, for whom read-only files are writable, so
// the folder is compared entry by entry: names, kinds, sizes, permissions,
// change and modification times to the nanosecond, and contents.

#include "data_copy.h"
#include "scripted_session.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <map>

namespace {

struct Entry {
    mode_t mode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    QByteArray hash;

    bool operator==(const Entry& other) const
    {
        return mode == other.mode && size == other.size && modified.tv_sec == other.modified.tv_sec
            && modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec
            && changed.tv_nsec == other.changed.tv_nsec && hash == other.hash;
    }
};

using Snapshot = std::map<QString, Entry>;

Snapshot snapshot(const QString& root)
{
    Snapshot entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths.append(it.next());
    for (const QString& path : paths) {
        struct stat info {};
        EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
        Entry entry{info.st_mode, info.st_size, info.st_mtim, info.st_ctim, {}};
        if (S_ISREG(info.st_mode)) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            QCryptographicHash hash(QCryptographicHash::Sha256);
            hash.addData(&file);
            entry.hash = hash.result();
        }
        entries[QDir(root).relativeFilePath(path)] = entry;
    }
    return entries;
}

// Takes the write permissions away, or gives the owner's back.
void set_writable(const QString& root, bool writable)
{
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths.append(it.next());
    for (const QString& path : paths) {
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
        const mode_t mode = writable ? info.st_mode | S_IWUSR : info.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH);
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0);
    }
}

void expect_same(const Snapshot& before, const Snapshot& after)
{
    for (const auto& [path, entry] : after) {
        const auto old = before.find(path);
        if (old == before.end())
            ADD_FAILURE() << "created: " << path.toStdString();
        else if (!(old->second == entry))
            ADD_FAILURE() << "changed: " << path.toStdString();
    }
    for (const auto& [path, entry] : before)
        if (!after.count(path))
            ADD_FAILURE() << "removed: " << path.toStdString();
}

// Every kind of command once: days, links of all three kinds, the Bible
// mode with its lists, all five searches, help and imprint, the hover
// tick, a resize, bad input, and the reference self-test over the year.
const QString whole_session = QStringLiteral(R"(dump start.json
click 0
click 1
click 1
click 2
click 4
click 5
link 0 about:blankGOTO05.03.2024|
link 0 about:blankAUTOR|3|
link 0 about:blankBIBLE|19_23_1-3/43_3_16|
click 11
click 12
click 13
click 14
choose books 1
choose chaps 0
click 17
click 18
click 16
type inpvolltext Licht Finsternis
key inpvolltext 13
click 15
click 3
type inpvolltext Gott Liebe
click 6
choose inpbibel 1
choose inpbereich 1
choose inpautor 0
type inpdatum 24.12.2024
key inpdatum 13
type inpdatum 31.02.2024
click 9
resize 700 500
cursor 30 30
cursor 5000 5000
selftest
dump end.json
)");

void expect_session_writes_nothing(const DataCopy& data)
{
    set_writable(data.path(), false);
    QTemporaryDir home;
    const Snapshot before = snapshot(data.path());

    const SessionOutcome outcome =
        run_session(data.path(), whole_session, QStringLiteral("2024-03-05"),
                    {QStringLiteral("HOME=") + home.path(), QStringLiteral("XDG_CONFIG_HOME=") + home.path(),
                     QStringLiteral("XDG_CACHE_HOME=") + home.path(), QStringLiteral("XDG_DATA_HOME=") + home.path()});
    EXPECT_EQ(outcome.exit_code, 0) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.dumps.count(QStringLiteral("end.json")), 1u) << outcome.errors.toStdString();

    expect_same(before, snapshot(data.path()));
    set_writable(data.path(), true);
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(u' ').toStdString();
}

TEST(NothingWritten, WholeSessionOverTheDemoData)
{
    const DataCopy data;
    expect_session_writes_nothing(data);
}

TEST(NothingWritten, WholeSessionOverAccessFiles)
{
    const DataCopy data;
    data.use_access_fixture(QStringLiteral("qov_fixture.mdb"), QStringLiteral("qov.mdb"));
    data.use_access_fixture(QStringLiteral("bible_fixture_encoded.mdb"), QStringLiteral("elberfelderbibel.mdb"));
    expect_session_writes_nothing(data);
}

} // namespace
