// SPDX-License-Identifier: GPL-2.0-or-later
#include "data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A machine in a temporary folder: the user's data folder "home", the
// program in "prefix/bin", two system data folders "sys1" and "sys2".
// `with_books` are the folders (relative) that hold a qov.mdb.
struct Case {
    const char* name;
    QStringList with_books;
    std::optional<QString> data_dir;
    QStringList system_locations;  // after "home"
    QString folder;
    QStringList tried;
};

TEST(DataFolder, SearchOrder)
{
    const QStringList systems = {"sys1", "sys2"};
    const QStringList all_tried = {"home/selunar", "prefix/share/selunar", "prefix/bin", "sys1/selunar",
                                   "sys2/selunar"};
    const Case cases[] = {
        {"--data-dir wins over everything", {"home/selunar", "elsewhere"}, "prefix/bin/../../elsewhere/", systems,
         "elsewhere", {"elsewhere"}},
        {"the user's own files", {"home/selunar", "prefix/share/selunar"}, {}, systems, "home/selunar",
         {"home/selunar"}},
        {"installed demo data beside the program", {"prefix/share/selunar", "prefix/bin", "sys1/selunar"}, {}, systems,
         "prefix/share/selunar", {"home/selunar", "prefix/share/selunar"}},
        {"the program's own folder (a build tree)", {"prefix/bin", "sys1/selunar"}, {}, systems, "prefix/bin",
         {"home/selunar", "prefix/share/selunar", "prefix/bin"}},
        {"a system data folder", {"sys2/selunar"}, {}, systems, "sys2/selunar", all_tried},
        {"an edition in a subfolder of the user's folder", {"home/selunar/Selunar 2025", "prefix/bin"}, {}, systems,
         "home/selunar", {"home/selunar"}},
        {"hidden and deeper folders hold no edition", {"home/selunar/.neu-2025-a1", "home/selunar/ersetzt/2025-1",
         "prefix/bin"}, {}, systems, "prefix/bin", {"home/selunar", "prefix/share/selunar", "prefix/bin"}},
        {"nothing anywhere: the program's folder", {}, {}, systems, "prefix/bin", all_tried},
        {"a folder named twice is looked at once", {}, {}, {"prefix/share", "sys1"}, "prefix/bin",
         {"home/selunar", "prefix/share/selunar", "prefix/bin", "sys1/selunar"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const QDir dir(root.path());
        for (const QString& folder : {QStringLiteral("home/selunar"), QStringLiteral("prefix/bin")})
            ASSERT_TRUE(dir.mkpath(folder));
        for (const QString& folder : c.with_books) {
            ASSERT_TRUE(dir.mkpath(folder));
            QFile book(dir.filePath(folder + QStringLiteral("/qov.mdb")));
            ASSERT_TRUE(book.open(QIODevice::WriteOnly));
        }
        DataFolderPlaces places;
        if (c.data_dir)
            places.data_dir = dir.filePath(*c.data_dir);
        places.program_dir = dir.filePath(QStringLiteral("prefix/bin"));
        places.data_locations = {dir.filePath(QStringLiteral("home"))};
        for (const QString& location : c.system_locations)
            places.data_locations.append(dir.filePath(location));

        const DataFolderChoice choice = find_data_folder(places);
        QStringList tried;
        for (const QString& folder : choice.tried)
            tried.append(dir.relativeFilePath(folder));
        EXPECT_EQ(dir.relativeFilePath(choice.folder).toStdString(), c.folder.toStdString());
        EXPECT_EQ(tried.join(u' ').toStdString(), c.tried.join(u' ').toStdString());
        EXPECT_TRUE(QDir::isAbsolutePath(choice.folder) && !choice.folder.endsWith(u'/')) << choice.folder.toStdString();
    }
}

} // namespace
