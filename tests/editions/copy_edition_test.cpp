// SPDX-License-Identifier: GPL-2.0-or-later
#include "copy_edition.h"
#include "edition_folders.h"
#include "find_editions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace {

// Every file below `folder` with its bytes, by relative path.
QStringList contents(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << QDir(folder).relativeFilePath(path) + u' ' + QString::fromLatin1(file_bytes(path).toBase64());
    }
    files.sort();
    return files;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A source edition of 2025 whose pictures folder holds a hidden file and a subfolder.
void make_source(const TestFolder& d, const QString& folder)
{
    d.edition(folder, 2025);
    d.file(folder + u"/qov_pics/.versteckt"_qs, "x");
    d.file(folder + u"/qov_pics/tiere/lamm.png"_qs, "png");
}

// While it lives, no file this process writes grows beyond `bytes`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &kept_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, kept_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit kept_;
    void (*previous_)(int);
};

QString copy_error(const std::function<void()>& copy, EditionCopyError::Kind kind)
{
    try {
        copy();
    } catch (const EditionCopyError& error) {
        EXPECT_EQ(error.kind(), kind);
        return error.message();
    }
    ADD_FAILURE() << "the copy did not fail";
    return {};
}

} // namespace

TEST(CopyEdition, CopiesTheFourPartsIntoTheYearsFolderAndOnlyReadsTheSource)
{
    for (const QString& place : {u"quelle"_qs, u"quelle/qov.mdb"_qs}) {
        SCOPED_TRACE(place.toStdString());
        const TestFolder d;
        make_source(d, u"quelle"_qs);
        const QStringList source = d.snapshot();
        const QString user = d.path(u"home/selunar"_qs);
        const CopiedEdition copied = copy_edition(edition_parts(edition_folder(d.path(place))), user, 2025,
                                                  ExistingYear::keep);
        EXPECT_EQ(copied.folder, user + u"/2025"_qs);
        EXPECT_TRUE(copied.replaced_folder.isEmpty());
        EXPECT_EQ(contents(copied.folder), contents(d.path(u"quelle"_qs)));
        EXPECT_EQ(entries(user), QStringList{u"2025"_qs});
        EXPECT_EQ(d.summary(find_editions(user)), QStringList{u"home/selunar/2025 2025 ok"_qs});
        const QStringList after = d.snapshot().filter(QRegularExpression(u"^quelle"_qs));
        EXPECT_EQ(after, source);
    }
}

TEST(CopyEdition, TakesThePartsTheSourceLacksFromTheFallback)
{
    const TestFolder d;
    make_source(d, u"offen"_qs);
    d.book(u"nur buch"_qs, 2026);
    const QString user = d.path(u"home"_qs);
    const CopiedEdition copied =
        copy_edition(edition_parts(d.path(u"nur buch"_qs), edition_parts(d.path(u"offen"_qs))), user, 2026,
                     ExistingYear::keep);
    QStringList expected = contents(d.path(u"offen"_qs)).filter(QRegularExpression(u"^(?!qov\\.mdb)"_qs));
    expected += contents(d.path(u"nur buch"_qs));
    expected.sort();
    EXPECT_EQ(contents(copied.folder), expected);
    EXPECT_EQ(d.summary(find_editions(user)), QStringList{u"home/2026 2026 ok"_qs});
}

TEST(CopyEdition, ReplacesAYearOnlyWhenToldAndKeepsTheReplacedOneAside)
{
    const TestFolder d;
    make_source(d, u"neu"_qs);
    const QString user = d.path(u"home"_qs);
    d.edition(u"home/2025"_qs, 2025);
    d.file(u"home/2025/alt.txt"_qs, "der alte Jahrgang");
    const QStringList old_edition = contents(d.path(u"home/2025"_qs));
    const EditionParts source = edition_parts(d.path(u"neu"_qs));

    const QString refused = copy_error([&] { copy_edition(source, user, 2025, ExistingYear::keep); },
                                       EditionCopyError::Kind::year_present);
    EXPECT_EQ(d.relative(refused), u"Der Jahrgang 2025 ist schon vorhanden: home/2025"_qs);
    EXPECT_EQ(contents(d.path(u"home/2025"_qs)), old_edition);
    EXPECT_EQ(entries(user), QStringList{u"2025"_qs});

    const CopiedEdition first = copy_edition(source, user, 2025, ExistingYear::replace);
    const CopiedEdition second = copy_edition(source, user, 2025, ExistingYear::replace);
    EXPECT_EQ(contents(first.folder), contents(d.path(u"neu"_qs)));
    EXPECT_EQ(contents(first.replaced_folder), old_edition);
    EXPECT_EQ(contents(second.replaced_folder), contents(d.path(u"neu"_qs)));
    const QRegularExpression aside(u"^home/ersetzt/2025-\\d{8}-\\d{6}(-2)?$"_qs);
    for (const QString& folder : {first.replaced_folder, second.replaced_folder})
        EXPECT_TRUE(aside.match(d.relative(folder)).hasMatch()) << folder.toStdString();
    EXPECT_NE(first.replaced_folder, second.replaced_folder);
    EXPECT_EQ(entries(user), (QStringList{u"2025"_qs, u"ersetzt"_qs}));
    EXPECT_EQ(d.summary(find_editions(user)), QStringList{u"home/2025 2025 ok"_qs});
}

TEST(CopyEdition, AFailedCopyLeavesNothingHalfAndTheOldEditionInPlace)
{
    struct Case {
        const char* name;
        std::function<void(const TestFolder&)> make;
        rlim_t file_size_limit;  // 0: none
        QString message;
    };
    const Case cases[] = {
        {"a picture that cannot be read",
         [](const TestFolder& d) { d.link(u"quelle/qov_pics/kaputt.png"_qs, u"/proc/self/mem"_qs); }, 0,
         u"Der Jahrgang 2025 kann nicht übernommen werden: quelle/qov_pics/kaputt.png: die Datei kann nicht gelesen "
         "werden (Ein-/Ausgabefehler)"_qs},
        {"the disk full in the middle of the book", [](const TestFolder&) {}, 4096,
         u"Der Jahrgang 2025 kann nicht übernommen werden: home/.neu-2025-XXXXXX/qov.mdb: die Datei ist zu groß für den "
         "Datenträger"_qs},
        {"no book", [](const TestFolder& d) { QFile::remove(d.path(u"quelle/qov.mdb"_qs)); }, 0,
         u"Der Jahrgang 2025 kann nicht übernommen werden: quelle/qov.mdb: die Datei fehlt"_qs},
    };
    for (const Case& c : cases) {
        for (const ExistingYear existing : {ExistingYear::keep, ExistingYear::replace}) {
            SCOPED_TRACE(c.name);
            const TestFolder d;
            make_source(d, u"quelle"_qs);
            c.make(d);
            const QString user = d.path(u"home"_qs);
            if (existing == ExistingYear::replace)
                d.edition(u"home/2025"_qs, 2024);
            d.edition(u"home/.neu-2025-abc123"_qs, 2025);  // left by an earlier crash
            const QStringList before = contents(user).filter(QRegularExpression(u"^2025/"_qs));
            QString message;
            {
                const FileSizeLimit limit(c.file_size_limit ? c.file_size_limit : RLIM_INFINITY);
                message = copy_error(
                    [&] { copy_edition(edition_parts(d.path(u"quelle"_qs)), user, 2025, existing); },
                    EditionCopyError::Kind::failed);
            }
            message.replace(QRegularExpression(u"\\.neu-2025-\\w{6}"_qs), u".neu-2025-XXXXXX"_qs);
            EXPECT_EQ(d.relative(message), c.message);
            EXPECT_EQ(entries(user), existing == ExistingYear::replace ? QStringList{u"2025"_qs} : QStringList{});
            EXPECT_EQ(contents(user), before);
        }
    }
}
