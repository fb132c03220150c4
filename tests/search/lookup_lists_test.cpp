#include "lookup_lists.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LookupListsTest : public ::testing::Test {
protected:
    // The lists of a new book of `rows`. The authors' view is a plain
    // projection here, so that rows with odd ids can be given directly.
    LookupLists read(const QStringList& rows)
    {
        const QString path = dir.filePath(u"qov%1.mdb"_qs.arg(++files));
        EXPECT_TRUE(write_sqlite_file(
            path, qov_schema
                      + QStringList{u"CREATE VIEW VW1AutorenAktiv AS SELECT AID AS aid, Vorname, Nachname FROM AutorenNeu"_qs}
                      + rows));
        db = OpenDatabase(path);
        db->setQueryObserver([this](const QString& source) { queries << source; });
        return setcombo(*db);
    }

    QTemporaryDir dir;
    int files = 0;
    std::unique_ptr<Database> db;
    QStringList queries;
};

QStringList texts(const std::vector<ListEntry>& entries)
{
    QStringList list;
    for (const ListEntry& entry : entries)
        list << entry.text;
    return list;
}

} // namespace

TEST_F(LookupListsTest, TablesByIdListsByNameAuthorsTrimmedWithTheirIds)
{
    const LookupLists lists = read({u"INSERT INTO Bereiche VALUES (2, 'Gebet', 'gebet.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (1, 'Familie', 'familie.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (3, 'Arbeit', NULL)"_qs,
                                    u"INSERT INTO Bibel VALUES (2, '2. Mose', 40)"_qs,
                                    u"INSERT INTO Bibel VALUES (1, '1. Mose', 50)"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (5, 'Anna', 'Schmidt')"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (6, NULL, 'Meier')"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (7, 'Paul', NULL)"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (8, NULL, NULL)"_qs});
    EXPECT_EQ(queries, (QStringList{u" select * from [Bereiche] order by Bezeichnung"_qs,
                                    u" select * from [Bibel] order by Lfdnr"_qs,
                                    u"select * from [VW1AutorenAktiv] order by Nachname, Vorname"_qs}));
    EXPECT_TRUE(lists.problems.isEmpty()) << lists.problems.join(u'\n').toStdString();

    EXPECT_EQ(texts(lists.inpbereich), (QStringList{u"Arbeit"_qs, u"Familie"_qs, u"Gebet"_qs}));
    EXPECT_EQ(lists.inpbereich[1].data.toInt(), 1);
    ASSERT_EQ(lists.bereiche.size(), 4u);
    EXPECT_FALSE(lists.bereiche[0].name.isValid());
    EXPECT_EQ(lists.bereiche[1].name.toString(), u"Familie"_qs);
    EXPECT_EQ(lists.bereiche[1].bild.toString(), u"familie.png"_qs);
    EXPECT_FALSE(lists.bereiche[3].bild.isValid());
    // Each row knows its place in the list by name.
    EXPECT_EQ((std::vector<int>{lists.bereiche[0].position, lists.bereiche[1].position, lists.bereiche[2].position,
                                lists.bereiche[3].position}),
              (std::vector<int>{0, 2, 3, 1}));

    EXPECT_EQ(texts(lists.inpbibel), (QStringList{u"1. Mose"_qs, u"2. Mose"_qs}));
    EXPECT_EQ(texts(lists.books), texts(lists.inpbibel));
    EXPECT_EQ(lists.books[1].data.toInt(), 2);
    ASSERT_EQ(lists.buecher.size(), 3u);
    EXPECT_EQ(lists.buecher[1].buch.toString(), u"1. Mose"_qs);
    EXPECT_EQ(lists.buecher[1].maxkapitel.toInt(), 50);
    EXPECT_FALSE(lists.buecher[0].lfdnr.isValid());

    // By last name, then first name; Null sorts first.
    EXPECT_EQ(texts(lists.inpautor), (QStringList{QString(), u"Paul"_qs, u"Meier"_qs, u"Anna Schmidt"_qs}));
    std::vector<int> ids;
    for (const ListEntry& entry : lists.inpautor) {
        EXPECT_EQ(entry.data.typeId(), QMetaType::Int);
        ids.push_back(entry.data.toInt());
    }
    EXPECT_EQ(ids, (std::vector<int>{8, 7, 6, 5}));
}

TEST_F(LookupListsTest, LaterTopicWithTheSameIdReplacesTheEarlierAndIsReported)
{
    const LookupLists lists = read({u"INSERT INTO Bereiche VALUES (1, 'Alpha', 'a.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (1, 'Beta', 'b.png')"_qs,
                                    u"INSERT INTO Bibel VALUES (1, '1. Mose', 50)"_qs});
    EXPECT_EQ(texts(lists.inpbereich), (QStringList{u"Alpha"_qs, u"Beta"_qs}));
    EXPECT_EQ(lists.bereiche[1].name.toString(), u"Beta"_qs);
    EXPECT_EQ(lists.bereiche[1].bild.toString(), u"b.png"_qs);
    EXPECT_EQ(lists.bereiche[1].position, 2);
    ASSERT_EQ(lists.problems.size(), 1);
    EXPECT_TRUE(lists.problems[0].contains(u"Beta"_qs));
}

TEST_F(LookupListsTest, RowsWithUnusableIdsAreSkippedAndReported)
{
    const LookupLists lists = read({u"INSERT INTO Bereiche VALUES (1, 'Alpha', 'a.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (NULL, 'Beta', 'b.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (9, 'Gamma', 'c.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (2, 'Zeta', 'z.png')"_qs,
                                    u"INSERT INTO Bibel VALUES (1, '1. Mose', 50)"_qs,
                                    u"INSERT INTO Bibel VALUES (-1, 'Vorwort', 1)"_qs,
                                    u"INSERT INTO Bibel VALUES ('zwei', '2. Mose', 40)"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (NULL, 'Ohne', 'Nummer')"_qs,
                                    u"INSERT INTO AutorenNeu VALUES (5, 'Anna', 'Schmidt')"_qs});
    EXPECT_EQ(texts(lists.inpbereich), (QStringList{u"Alpha"_qs, u"Zeta"_qs}));
    EXPECT_EQ(lists.bereiche[2].position, 2);
    EXPECT_EQ(texts(lists.inpbibel), QStringList{u"1. Mose"_qs});
    EXPECT_EQ(texts(lists.inpautor), QStringList{u"Anna Schmidt"_qs});
    ASSERT_EQ(lists.problems.size(), 5) << lists.problems.join(u'\n').toStdString();
    const char* named[] = {"Beta", "Gamma", "Vorwort", "2. Mose", "Ohne Nummer"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(lists.problems[i].contains(QString::fromLatin1(named[i]))) << named[i];
    EXPECT_TRUE(lists.problems[1].contains(u"9"_qs));

    // Empty tables are reported too.
    const LookupLists empty = read({});
    EXPECT_EQ(empty.bereiche.size(), 1u);
    EXPECT_EQ(empty.buecher.size(), 1u);
    EXPECT_TRUE(empty.inpbereich.empty());
    EXPECT_EQ(empty.problems.size(), 2);
}
