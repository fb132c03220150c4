// SPDX-License-Identifier: GPL-2.0-or-later
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
        EXPECT_TRUE(sqlite_exec(
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

// Null as "Null"; list entries as "text=data", topic rows as
// "name,bild,position", book rows as "buch,maxkapitel,lfdnr"; joined by ";".
QString shown(const QVariant& v) { return v.isValid() ? v.toString() : u"Null"_qs; }
QString shown(const ListEntry& e) { return e.text + u'=' + shown(e.data); }
QString shown(const BereichRow& r) { return shown(r.name) + u',' + shown(r.bild) + u',' + QString::number(r.position); }
QString shown(const BuchRow& r) { return shown(r.buch) + u',' + shown(r.maxkapitel) + u',' + shown(r.lfdnr); }
template <typename Rows>
std::string described(const Rows& rows)
{
    QStringList parts;
    for (const auto& row : rows)
        parts << shown(row);
    return parts.join(u';').toStdString();
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
    // Each topic row knows its place in the list by name.
    EXPECT_EQ(described(lists.inpbereich), "Arbeit=3;Familie=1;Gebet=2");
    EXPECT_EQ(described(lists.bereiche), "Null,Null,0;Familie,familie.png,2;Gebet,gebet.png,3;Arbeit,Null,1");
    EXPECT_EQ(described(lists.inpbibel), "1. Mose=1;2. Mose=2");
    EXPECT_EQ(described(lists.books), described(lists.inpbibel));
    EXPECT_EQ(described(lists.buecher), "Null,Null,Null;1. Mose,50,1;2. Mose,40,2");
    // By last name, then first name; Null sorts first. The ids are ints.
    EXPECT_EQ(described(lists.inpautor), "=8;Paul=7;Meier=6;Anna Schmidt=5");
    for (const ListEntry& entry : lists.inpautor)
        EXPECT_EQ(entry.data.typeId(), QMetaType::Int);
}

TEST_F(LookupListsTest, RowsWithUnusableOrRepeatedIdsAndEmptyTablesAreReported)
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
    EXPECT_EQ(described(lists.inpbereich), "Alpha=1;Zeta=2");
    EXPECT_EQ(described(lists.bereiche), "Null,Null,0;Alpha,a.png,1;Zeta,z.png,2;Null,Null,0;Null,Null,0");
    EXPECT_EQ(described(lists.inpbibel), "1. Mose=1");
    EXPECT_EQ(described(lists.inpautor), "Anna Schmidt=5");
    ASSERT_EQ(lists.problems.size(), 5) << lists.problems.join(u'\n').toStdString();
    const char* named[] = {"Beta", "Gamma", "Vorwort", "2. Mose", "Ohne Nummer"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(lists.problems[i].contains(QString::fromLatin1(named[i]))) << named[i];
    EXPECT_TRUE(lists.problems[1].contains(u"9"_qs));

    // Of two topics with the same id the later fills the row; both are listed.
    const LookupLists twice = read({u"INSERT INTO Bereiche VALUES (1, 'Alpha', 'a.png')"_qs,
                                    u"INSERT INTO Bereiche VALUES (1, 'Beta', 'b.png')"_qs,
                                    u"INSERT INTO Bibel VALUES (1, '1. Mose', 50)"_qs});
    EXPECT_EQ(described(twice.inpbereich), "Alpha=1;Beta=1");
    EXPECT_EQ(described(twice.bereiche), "Null,Null,0;Beta,b.png,2;Null,Null,0");
    ASSERT_EQ(twice.problems.size(), 1);
    EXPECT_TRUE(twice.problems[0].contains(u"Beta"_qs));

    const LookupLists empty = read({});
    EXPECT_EQ(described(empty.bereiche) + '|' + described(empty.buecher), "Null,Null,0|Null,Null,Null");
    EXPECT_TRUE(empty.inpbereich.empty());
    EXPECT_EQ(empty.problems.size(), 2);
}
