// SPDX-License-Identifier: GPL-2.0-or-later
#include "highlighting.h"

#include <gtest/gtest.h>

TEST(Setwordsbold, MarksEveryOccurrenceOfEachWordKeepingItsCase)
{
    struct Case {
        const char* text;
        const char* words;
        const char* tag;
        const char* marked;
    };
    const Case cases[] = {
        {"Gott und gottlos", "GOTT;", "<b>", "<b>Gott</b> und <b>gott</b>los"},
        {"Gottes Liebe", "GOTT;LIEBE;", "<b>", "<b>Gott</b>es <b>Liebe</b>"},
        // The text after the last ";" is no word; empty words are skipped.
        {"Gott und Welt", "", "<b>", "Gott und Welt"},
        {"Gott und Welt", "GOTT", "<b>", "Gott und Welt"},
        {"Gott und Welt", "WELT;GOTT", "<b>", "Gott und <b>Welt</b>"},
        {"Gott ist Liebe", "GOTT;;LIEBE;", "<b>", "<b>Gott</b> ist <b>Liebe</b>"},
        {"Gott", ";", "<b>", "Gott"},
        // Found fault: "B" found the b of the "<b>" and "</b>" inserted around "Gott".
        {"Gott und Brot", "GOTT;B;", "<b>", "<b>Gott</b> und <b>B</b>rot"},
        {"Ich bin", "ICH;I;", "<i>", "<i><i>I</i>ch</i> b<i>i</i>n"},
        // Markup standing in the text is plain text to the marking.
        {"a <b> b", "B;", "<b>", "a <<b>b</b>> <b>b</b>"},
        // An occurrence reaching into an earlier word's mark is still found;
        // the tags stay balanced.
        {"Gott und", "GOTT;T UND;", "<b>", "<b>Got<b>t</b> und</b>"},
        {"ABCD", "AB;CD;", "<b>", "<b>AB</b><b>CD</b>"},
        // Umlauts ignore case; "ß" (upper case "SS") keeps later positions.
        {"Über den Übermut", "ÜBER;", "<b>", "<b>Über</b> den <b>Über</b>mut"},
        {"Die größere Größe", "GRÖßE;", "<b>", "Die <b>größe</b>re <b>Größe</b>"},
        {"Straße zu Gott", "GOTT;", "<b>", "Straße zu <b>Gott</b>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(setwordsbold(QString::fromUtf8(c.text), QString::fromUtf8(c.words), QString::fromUtf8(c.tag)),
                  QString::fromUtf8(c.marked))
            << c.text << " / " << c.words;
}

TEST(Setbold, MarksOneWordWithoutOverlap)
{
    QString text = u"aaaaa"_qs;
    setbold(text, u"AA"_qs, u"<b>"_qs);
    EXPECT_EQ(text, u"<b>aa</b><b>aa</b>a"_qs);
    setbold(text, QString(), u"<b>"_qs);
    EXPECT_EQ(text, u"<b>aa</b><b>aa</b>a"_qs);

    MarkedText marked(u"Brot und Butter"_qs, u"<b>"_qs);
    marked.setbold(u"BROT"_qs);
    marked.setbold(u"B"_qs);
    EXPECT_EQ(marked.html(), u"<b><b>B</b>rot</b> und <b>B</b>utter"_qs);
}
