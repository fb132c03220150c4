// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_links.h"

#include <gtest/gtest.h>

TEST(Splitbibelst, OneLinkPerReferenceKeyedByPosition)
{
    struct Case {
        QVariant bst, bcv;
        QString links;
    };
    const Case cases[] = {
        // The reference text is kept as it stands, blank after ";" included.
        {u"Joh 3,16; Röm 8,28"_qs, u"43_3_16;45_8_28"_qs, u"[43_3_16|Joh 3,16][45_8_28| Röm 8,28]"_qs},
        // The first empty reference ends the list.
        {QString(), u"1_1_1"_qs, QString()},
        {QVariant(), QVariant(), QString()},
        {u";Joh 3,16"_qs, u"1_1_1;43_3_16"_qs, QString()},
        {u"A;;B"_qs, u"1_1_1;1_1_2;1_1_3"_qs, u"[1_1_1|A]"_qs},
        // Missing keys give empty text; surplus keys are unused.
        {u"A;B"_qs, u"1_1_1"_qs, u"[1_1_1|A][|B]"_qs},
        {u"A;B"_qs, QVariant(), u"[|A][|B]"_qs},
        {u"A"_qs, u"1_1_1;2_2_2"_qs, u"[1_1_1|A]"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitbibelst(c.bst, c.bcv, u"[#bcv#|#Bibelst#]"_qs), c.links) << c.bst.toString().toStdString();
    EXPECT_EQ(splitbibelst(u"Ps 23"_qs, u"19_23_1-6"_qs, QString()), QString());
}
