// SPDX-License-Identifier: GPL-2.0-or-later
#include "speakable_text.h"

#include <gtest/gtest.h>

namespace {

const QStringList books{u"1. Mose"_qs, u"Psalm"_qs, u"Jeremia"_qs, u"Lukas"_qs, u"Johannes"_qs,
                        u"1. Johannes"_qs, u"1. Korinther"_qs, u"2. Könige"_qs, u"Matthäus"_qs};

} // namespace

TEST(SpeakableText, ReferencesAndTextAreSaidInWords)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Jeremia 29,7", "Jeremia, Kapitel 29, Vers 7"},
        {"Lukas 1,41-80", "Lukas, Kapitel 1, Verse 41 bis 80"},
        {"1. Mose 3,15", "Erstes Buch Mose, Kapitel 3, Vers 15"},
        {"Lies 2. Könige 5,1.3-4.9 heute.", "Lies Zweites Buch der Könige, Kapitel 5, Verse 1, 3 bis 4 und 9 heute."},
        {"Lies 1. Korinther 13 und", "Lies Erster Korinther, Kapitel 13 und"},
        {"1. Johannes 4,16; Johannes 3,16", "Erster Johannes, Kapitel 4, Vers 16; Johannes, Kapitel 3, Vers 16"},
        {"Matthäus 5,3-6,4", "Matthäus, Kapitel 5, Vers 3 bis Kapitel 6, Vers 4"},
        {"Psalm 23", "Psalm, Kapitel 23"},
        {"Psalm 23,1.", "Psalm, Kapitel 23, Vers 1."},
        // Not references: an unknown book, a date, a number run into a word.
        {"Dienstag, 5. März 2024", "Dienstag, 5. März 2024"},
        {"Lukas 1,2,3", "Lukas 1,2,3"},
        {"Lukasevangelium 3 Tage", "Lukasevangelium 3 Tage"},
        {"FRAGE:  Was   ÄNDERT sich?", "Frage: Was Ändert sich?"},
    };
    for (const auto& [text, spoken] : rows)
        EXPECT_EQ(speakable(QString::fromUtf8(text), books), QString::fromUtf8(spoken)) << text;
    EXPECT_EQ(spoken_book(u"3. Johannes"), u"Dritter Johannes"_qs);
    EXPECT_EQ(spoken_book(u"5. Mose"), u"Fünftes Buch Mose"_qs);
}

TEST(SpeakableText, ReadingTextDropsMarksAndKeepsPositions)
{
    // A picture, a table of two cells, a line break and a paragraph.
    const QString raw = u"\uFDD0\uFFFC Datum\uFDD0 Fest \uFDD1\uFDD1\u2028  Vers\u00A0 eins\u2029\u2029Text"_qs;
    const ReadingText reading = reading_text(raw);
    EXPECT_EQ(reading.text, u"Datum\nFest\nVers eins\nText"_qs);
    ASSERT_EQ(reading.positions.size(), static_cast<std::size_t>(reading.text.size()));
    for (std::size_t i = 0; i < reading.positions.size(); ++i) {
        const QChar c = reading.text[static_cast<int>(i)];
        EXPECT_TRUE(c.isSpace() || raw[reading.positions[i]] == c) << i;
    }
}

TEST(SpeakableText, PageIsReadLineByLineAndVerseByVerse)
{
    const QString day = u"\uFDD0Dienstag, 5. März 2024\u2028\uFFFC\uFDD1\u2029Jeremia 29,7\u2029\u2029TIPP\u2029"_qs;
    const std::vector<Utterance> parts = page_utterances(day, {}, books);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].text, u"Dienstag, 5. März 2024"_qs);
    EXPECT_EQ(parts[1].text, u"Jeremia, Kapitel 29, Vers 7"_qs);
    EXPECT_EQ(day.mid(parts[1].start, parts[1].end - parts[1].start), u"Jeremia 29,7"_qs);
    EXPECT_EQ(parts[2].text, u"Tipp"_qs);

    // Heading, verses 1 and 2 each with its number, and a closing line.
    const QString chapter = u"Psalm 23\u2029" "1\u00A0Jehova ist mein Hirte.\u2029" "2\u00A0Er lagert mich.\u2029Bibeltext"_qs;
    const std::vector<Utterance> verses = page_utterances(chapter, {{9, 1}, {34, 2}}, books);
    ASSERT_EQ(verses.size(), 4u);
    EXPECT_EQ(verses[0].text, u"Psalm, Kapitel 23"_qs);
    EXPECT_EQ(verses[1].text, u"Vers 1: Jehova ist mein Hirte."_qs);
    EXPECT_EQ(verses[2].text, u"Vers 2: Er lagert mich."_qs);
    EXPECT_EQ(std::tuple(verses[1].verse, verses[2].verse, verses[3].verse), std::tuple(1, 2, 0));
    EXPECT_EQ(chapter.mid(verses[2].start, verses[2].end - verses[2].start), u"2\u00A0Er lagert mich."_qs);
    EXPECT_EQ(verses[3].text, u"Bibeltext"_qs);
}

TEST(SpeakableText, TranslationsSideBySideAreReadOneAfterTheOther)
{
    const auto piece = [](const char* text, int start, int verse = 0) {
        return Utterance{QString::fromUtf8(text), start, start + 1, verse};
    };
    // A heading, the row of column names, two rows of two columns, a closing line.
    const std::vector<Utterance> pieces{piece("Psalm 23", 0),           piece("Elberfelder", 1),
                                        piece("KJV", 2),                piece("Vers 1: Jehova", 3, 1),
                                        piece("Vers 1: The LORD", 4, 1), piece("Vers 2: Er lagert", 5, 2),
                                        piece("Vers 2: He maketh", 6, 2), piece("Bibeltext", 7)};
    const std::vector<int> columns{-1, -2, -2, 0, 1, 0, 1, -1};
    const std::vector<Utterance> read =
        pieces_by_column(pieces, columns, {{u"Elberfelder"_qs, QString()}, {u"King James Version"_qs, u"en"_qs}});

    QStringList texts;
    QStringList languages;
    for (const Utterance& u : read) {
        texts.append(u.text);
        languages.append(u.language);
    }
    EXPECT_EQ(texts, (QStringList{u"Psalm 23"_qs, u"Elberfelder:"_qs, u"Vers 1: Jehova"_qs, u"Vers 2: Er lagert"_qs,
                                  u"King James Version:"_qs, u"Vers 1: The LORD"_qs, u"Vers 2: He maketh"_qs,
                                  u"Bibeltext"_qs}));
    EXPECT_EQ(languages, (QStringList{{}, {}, {}, {}, {}, u"en"_qs, u"en"_qs, {}}));
    // The name of a translation marks where its text begins.
    EXPECT_EQ(read[4].start, 4);
    EXPECT_EQ(read[5].verse, 1);
    // A page without a table is read as it stands.
    EXPECT_EQ(pieces_by_column(pieces, std::vector<int>(pieces.size(), -1), {}), pieces);
}
