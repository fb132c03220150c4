// SPDX-License-Identifier: GPL-2.0-or-later
#include "database_test_support.h"

namespace {

class SavedQueries : public TestBook {};

} // namespace

TEST_F(SavedQueries, Vw1qovReadsTheFirstReferenceOfEveryKeyForm)
{
    EXPECT_EQ(column(*db, u"select printf('%s:%s:%s', book1, chapter1, verse1) as r from vw1qov order by datum"_qs,
                     u"r"_qs),
              QStringList({u"43:3:16"_qs, u"1:2:4"_qs, u"19:23:1"_qs, u"5:6:7"_qs, u"::"_qs}));
    // Numbers, not texts: book 5 comes before book 19.
    EXPECT_EQ(column(*db, u"select * from vw1qov order by book1,chapter1,verse1"_qs, u"bcv1"_qs),
              QStringList({QString(), u"1_2,4-3,7"_qs, u"5_6_7;8_9_10"_qs, u"19_23_1/19_24_1"_qs, u"43_3_16-18"_qs}));
}

TEST_F(SavedQueries, Vw1qovCarriesTheDevotionalAndItsAuthorWhoIsActive)
{
    auto rs = db->OpenRecordset(u"select * from vw1qov where aid=2 order by datum"_qs);
    ASSERT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields(u"datum"_qs), QVariant(utc(2024, 1, 3)));
    EXPECT_EQ(rs->Fields(u"Text"_qs), QVariant(u"Der Herr ist mein Hirte"_qs));
    EXPECT_EQ(rs->Fields(u"nachname"_qs), QVariant(u"Bär"_qs));

    auto orphan = db->OpenRecordset(u"select * from vw1qov where aid=3"_qs);
    ASSERT_EQ(orphan->RecordCount(), 1) << "a devotional whose author is missing stays in the list";
    EXPECT_FALSE(orphan->Fields(u"Vorname"_qs).isValid());
    EXPECT_EQ(db->OpenRecordset(u"vw1qov"_qs)->RecordCount(), 5);

    // Active authors are those with a devotional.
    EXPECT_EQ(column(*db, u"select aid || ' ' || Nachname as a from [VW1AutorenAktiv] order by Nachname, Vorname"_qs,
                     u"a"_qs),
              QStringList({u"1 Alt"_qs, u"2 Bär"_qs}));
}

