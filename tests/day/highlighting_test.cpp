#include "highlighting.h"

#include <gtest/gtest.h>

namespace {

QString bold(const QString& text, const QString& words)
{
    return setwordsbold(text, words, u"<b>"_qs);
}

} // namespace

TEST(Setwordsbold, MarksEveryOccurrenceKeepingItsCase)
{
    EXPECT_EQ(bold(u"Gott und gottlos"_qs, u"GOTT;"_qs), u"<b>Gott</b> und <b>gott</b>los"_qs);
    EXPECT_EQ(setwordsbold(u"Gott und gottlos"_qs, u"GOTT;"_qs, u"<i>"_qs), u"<i>Gott</i> und <i>gott</i>los"_qs);
    EXPECT_EQ(bold(u"Gottes Liebe"_qs, u"GOTT;LIEBE;"_qs), u"<b>Gott</b>es <b>Liebe</b>"_qs);
}

TEST(Setwordsbold, ListsWithoutWordsLeaveTheTextUnchanged)
{
    EXPECT_EQ(bold(u"Gott und Welt"_qs, QString()), u"Gott und Welt"_qs);
    EXPECT_EQ(bold(u"Gott und Welt"_qs, u"GOTT"_qs), u"Gott und Welt"_qs);
    EXPECT_EQ(bold(u"Gott und Welt"_qs, u"LIEBE;"_qs), u"Gott und Welt"_qs);
    EXPECT_EQ(bold(u"Gott und Welt"_qs, u"WELT;GOTT"_qs), u"Gott und <b>Welt</b>"_qs);
}

TEST(Setwordsbold, EmptyWordsAreSkipped)
{
    EXPECT_EQ(bold(u"Gott ist Liebe"_qs, u"GOTT;;LIEBE;"_qs), u"<b>Gott</b> ist <b>Liebe</b>"_qs);
    EXPECT_EQ(bold(u"Gott"_qs, u";"_qs), u"Gott"_qs);
}

TEST(Setwordsbold, LaterWordsNeverMatchInsideInsertedTags)
{
    // "B" would otherwise find the b of "<b>" and "</b>" around "Gott".
    EXPECT_EQ(bold(u"Gott und Brot"_qs, u"GOTT;B;"_qs), u"<b>Gott</b> und <b>B</b>rot"_qs);
    EXPECT_EQ(setwordsbold(u"Ich bin"_qs, u"ICH;I;"_qs, u"<i>"_qs), u"<i><i>I</i>ch</i> b<i>i</i>n"_qs);
}

TEST(Setwordsbold, OccurrencesInTheTextItselfAreAllMarked)
{
    // Markup that stands in the text is plain text to the marking.
    EXPECT_EQ(bold(u"a <b> b"_qs, u"B;"_qs), u"a <<b>b</b>> <b>b</b>"_qs);
    // An occurrence reaching into an earlier word's mark is still found; the
    // tags stay balanced.
    EXPECT_EQ(bold(u"Gott und"_qs, u"GOTT;T UND;"_qs), u"<b>Got<b>t</b> und</b>"_qs);
    EXPECT_EQ(bold(u"ABCD"_qs, u"AB;CD;"_qs), u"<b>AB</b><b>CD</b>"_qs);
}

TEST(Setwordsbold, IgnoresCaseOfUmlautsAndKeepsPositionsAfterSharpS)
{
    EXPECT_EQ(bold(u"Über den Übermut"_qs, u"ÜBER;"_qs), u"<b>Über</b> den <b>Über</b>mut"_qs);
    EXPECT_EQ(bold(u"Die größere Größe"_qs, u"GRÖßE;"_qs), u"Die <b>größe</b>re <b>Größe</b>"_qs);
    EXPECT_EQ(bold(u"Straße zu Gott"_qs, u"GOTT;"_qs), u"Straße zu <b>Gott</b>"_qs);
}

TEST(Setbold, MarksOneWordWithoutOverlap)
{
    QString text = u"aaaaa"_qs;
    setbold(text, u"AA"_qs, u"<b>"_qs);
    EXPECT_EQ(text, u"<b>aa</b><b>aa</b>a"_qs);

    text = u"Gott"_qs;
    setbold(text, QString(), u"<b>"_qs);
    EXPECT_EQ(text, u"Gott"_qs);
}

TEST(MarkedText, AppliesWordsOneAfterTheOther)
{
    MarkedText marked(u"Brot und Butter"_qs, u"<b>"_qs);
    marked.setbold(u"BROT"_qs);
    marked.setbold(u"B"_qs);
    EXPECT_EQ(marked.html(), u"<b><b>B</b>rot</b> und <b>B</b>utter"_qs);
}
