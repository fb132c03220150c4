// SPDX-License-Identifier: GPL-2.0-or-later
#include "database_test_support.h"

#include <QDir>

TEST(OpenDatabaseFile, PathsWithUriCharactersOpen)
{
    QTemporaryDir folder;
    const QString sub = folder.filePath(u"a?b#c%d ä"_qs);
    QDir().mkdir(sub);
    const QString path = write_test_book(sub);
    auto db = OpenDatabase(path, false, true, u"MS Access;PWD=irrelevant;"_qs);
    EXPECT_EQ(db->path(), path);
    EXPECT_EQ(db->OpenRecordset(u"QOV"_qs)->RecordCount(), 5);
}
