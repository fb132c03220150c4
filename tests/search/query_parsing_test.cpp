#include "query_parsing.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    QString condition;
    QString suchworte;
};

Parsed parse(const QString& field, const QString& q)
{
    Parsed parsed{{}, u"ALT;"_qs};
    parsed.condition = parsesql(field, q, parsed.suchworte);
    return parsed;
}

} // namespace

TEST(Parsesql, OneWord)
{
    const Parsed p = parse(u"text"_qs, u"Gott"_qs);
    EXPECT_EQ(p.condition, u"(text like '*Gott*')"_qs);
    EXPECT_EQ(p.suchworte, u"GOTT;"_qs);
}

TEST(Parsesql, TermsJoinedWithoutBlankAfterAnd)
{
    EXPECT_EQ(parse(u"Bible_text"_qs, u"Psalm 90"_qs).condition,
              u"(Bible_text like '*Psalm*') AND(Bible_text like '*90*')"_qs);
    const Parsed p = parse(u"thema"_qs, u"Gott, Liebe!"_qs);
    EXPECT_EQ(p.condition, u"(thema like '*Gott*') AND(thema like '*Liebe*')"_qs);
    EXPECT_EQ(p.suchworte, u"GOTT;LIEBE;"_qs);
}

TEST(Parsesql, OnlySeparatorsGiveNothing)
{
    const Parsed p = parse(u"text"_qs, u"  ,.;!?' \"-"_qs);
    EXPECT_EQ(p.condition, QString());
    EXPECT_EQ(p.suchworte, QString());
    EXPECT_EQ(parse(u"text"_qs, QString()).condition, QString());
}

TEST(Parsesql, QuotesSeparateAndNeverReachTheCondition)
{
    const Parsed p = parse(u"text"_qs, u"O'Neil"_qs);
    EXPECT_EQ(p.condition, u"(text like '*O*') AND(text like '*Neil*')"_qs);
    EXPECT_EQ(p.suchworte, u"O;NEIL;"_qs);
    EXPECT_EQ(parse(u"text"_qs, u"a'--b\"c"_qs).condition,
              u"(text like '*a*') AND(text like '*b*') AND(text like '*c*')"_qs);
}

TEST(Parsesql, UmlautsAndSharpSAreWordLettersOtherAccentsSeparate)
{
    const Parsed p = parse(u"thema"_qs, u"Größe"_qs);
    EXPECT_EQ(p.condition, u"(thema like '*Größe*')"_qs);
    EXPECT_EQ(p.suchworte, u"GRÖßE;"_qs);
    EXPECT_EQ(parse(u"thema"_qs, u"ÄÖÜäöüß"_qs).suchworte, u"ÄÖÜÄÖÜß;"_qs);
    const Parsed cafe = parse(u"thema"_qs, u"café"_qs);
    EXPECT_EQ(cafe.condition, u"(thema like '*caf*')"_qs);
    EXPECT_EQ(cafe.suchworte, u"CAF;"_qs);
}

TEST(Parsesql, BlanksAroundAndBetweenWordsDoNotMatter)
{
    EXPECT_EQ(parse(u"text"_qs, u"   Gott    Liebe  "_qs).condition, parse(u"text"_qs, u"Gott Liebe"_qs).condition);
    EXPECT_EQ(parse(u"text"_qs, u"\tGott\nLiebe"_qs).condition, parse(u"text"_qs, u"Gott Liebe"_qs).condition);
}

TEST(Parsesql, RepeatedWordsAreKept)
{
    const Parsed p = parse(u"text"_qs, u"a a"_qs);
    EXPECT_EQ(p.condition, u"(text like '*a*') AND(text like '*a*')"_qs);
    EXPECT_EQ(p.suchworte, u"A;A;"_qs);
}
