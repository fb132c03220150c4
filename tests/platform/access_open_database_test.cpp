// The Access fixtures through the whole database layer, as the reader uses
// them: OpenDatabase, table cursors on the Access index names, queries.

#include "database_test_support.h"

TEST(AccessThroughOpenDatabase, TheBookSeeksOnItsDateIndexAndAnswersTheSavedQueries)
{
    const auto db = OpenDatabase(jet_fixture("qov_fixture.mdb"), false, true, {});
    const auto qov = db->OpenRecordset(u"qov"_qs);
    EXPECT_EQ(qov->RecordCount(), 3);
    qov->setIndex(u"Datum"_qs);
    qov->Seek(u"="_qs, {utc(2024, 12, 25)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields(u"feiertag"_qs), QVariant(u"1. Weihnachtstag"_qs));
    qov->Seek(u">="_qs, {utc(2024, 3, 31)});
    ASSERT_FALSE(qov->NoMatch());
    EXPECT_EQ(qov->Fields(u"datum"_qs), QVariant(utc(2024, 3, 31, 6, 30, 15)));
    EXPECT_EQ(qov->Fields(u"text"_qs).toString().size(), 20000);

    EXPECT_EQ(db->OpenRecordset(u"select Nachname from vw1qov order by datum"_qs)->Fields(u"Nachname"_qs),
              QVariant(u"Müller"_qs));
    const auto authors = db->OpenRecordset(u"select * from VW1AutorenAktiv order by aid"_qs);
    authors->MoveLast();
    EXPECT_EQ(authors->RecordCount(), 3);
}

TEST(AccessThroughOpenDatabase, TheBigBibleAnswersQueries)
{
    const auto db = OpenDatabase(jet_fixture("bible_big.mdb"), false, true, bible_password);
    const auto texte = db->OpenRecordset(u"texte"_qs);
    texte->MoveLast();
    EXPECT_EQ(texte->RecordCount(), 31102);
    const auto found =
        db->OpenRecordset(u"select top 3 * from texte where bible_text like '*füße*' order by book, chapter, verse"_qs);
    ASSERT_FALSE(found->Eof());
    EXPECT_TRUE(found->Fields(u"Bible_Text"_qs).toString().contains(u"Füße"_qs));
}
