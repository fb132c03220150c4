#include "bible_links.h"

#include <gtest/gtest.h>

namespace {

const QString tpl = u"[#bcv#|#Bibelst#]"_qs;

QString links(const QVariant& bst, const QVariant& bcv)
{
    return splitbibelst(bst, bcv, tpl);
}

} // namespace

TEST(Splitbibelst, OneLinkPerReferenceTextKeptAsItStands)
{
    EXPECT_EQ(links(u"Joh 3,16; Röm 8,28"_qs, u"43_3_16;45_8_28"_qs), u"[43_3_16|Joh 3,16][45_8_28| Röm 8,28]"_qs);
    EXPECT_EQ(splitbibelst(u"Ps 23"_qs, u"19_23_1-6"_qs, u"<a href=\"BIBLE|#bcv#|\">#Bibelst#</a>"_qs),
              u"<a href=\"BIBLE|19_23_1-6|\">Ps 23</a>"_qs);
}

TEST(Splitbibelst, EmptyReferenceEndsTheList)
{
    EXPECT_EQ(links(QString(), u"1_1_1"_qs), QString());
    EXPECT_EQ(links(QVariant(), QVariant()), QString());
    EXPECT_EQ(links(u";Joh 3,16"_qs, u"1_1_1;43_3_16"_qs), QString());
    EXPECT_EQ(links(u"A;;B"_qs, u"1_1_1;1_1_2;1_1_3"_qs), u"[1_1_1|A]"_qs);
    EXPECT_EQ(links(u"A;"_qs, u"1_1_1;"_qs), u"[1_1_1|A]"_qs);
}

TEST(Splitbibelst, KeysAreMatchedByPosition)
{
    EXPECT_EQ(links(u"A;B"_qs, u"1_1_1"_qs), u"[1_1_1|A][|B]"_qs);
    EXPECT_EQ(links(u"A;B"_qs, QVariant()), u"[|A][|B]"_qs);
    EXPECT_EQ(links(u"A"_qs, u"1_1_1;2_2_2"_qs), u"[1_1_1|A]"_qs);
}

TEST(Splitbibelst, TemplateWithoutLinkBlockGivesNothing)
{
    EXPECT_EQ(splitbibelst(u"Joh 3,16"_qs, u"43_3_16"_qs, QString()), QString());
}
