// The Bible database the build generated into the program folder.

#include "sqlite_rows.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString bible = QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb");

TEST(GeneratedBible, HoldsThe66BooksWithTheirChaptersAndVersesEmptyVersesNull)
{
    const std::pair<const char*, QVariant> facts[] = {
        {"SELECT count(*) FROM texte", 31104},
        {"SELECT count(DISTINCT book) FROM texte", 66},
        {"SELECT count(*) FROM (SELECT DISTINCT book, chapter FROM texte)", 1189},
        {"SELECT max(verse) FROM texte WHERE book=19 AND chapter=119", 176},
        // Verses of every chapter run from one without gaps.
        {"SELECT count(*) FROM (SELECT book, chapter FROM texte GROUP BY book, chapter "
         "HAVING min(verse) <> 1 OR max(verse) <> count(*))", 0},
        {"SELECT group_concat(name, ',') FROM pragma_index_info('book')", "book,chapter,verse"},
        // The verses the module leaves empty are Null.
        {"SELECT group_concat(book || '_' || chapter || '_' || verse, ' ') FROM texte WHERE Bible_Text IS NULL",
         "64_1_15 66_12_18"},
        {"SELECT count(*) FROM texte WHERE Bible_Text = ''", 0},
        {"SELECT Bible_Text FROM texte WHERE book=1 AND chapter=1 AND verse=1",
         "Im Anfang schuf Gott die Himmel und die Erde."},
        {"SELECT Bible_Text FROM texte WHERE book=43 AND chapter=3 AND verse=16",
         "Denn also hat Gott die Welt geliebt, daß er seinen eingeborenen Sohn gab, auf daß jeder, der "
         "an ihn glaubt, nicht verloren gehe, sondern ewiges Leben habe."},
        // The psalm's superscription stays part of verse 1.
        {"SELECT Bible_Text FROM texte WHERE book=19 AND chapter=23 AND verse=1",
         "Ein Psalm von David. Jehova ist mein Hirte, mir wird nichts mangeln."},
        // The milestones that end a chapter and a book are not part of it, nor
        // the notes of another numbering.
        {"SELECT Bible_Text FROM texte WHERE book=1 AND chapter=50 AND verse=26",
         "Und Joseph starb, hundertzehn Jahre alt; und sie balsamierten ihn ein, und man legte ihn in "
         "eine Lade in Ägypten."},
        {"SELECT Bible_Text FROM texte WHERE book=4 AND chapter=30 AND verse=1",
         "Und Mose redete zu den Häuptern der Stämme der Kinder Israel und sprach: Dies ist es, "
         "was Jehova geboten hat:"},
    };
    for (const auto& [sql, value] : facts)
        EXPECT_EQ(sqlite_value(bible, sql).toString(), value.toString()) << sql;
}

TEST(GeneratedBible, NoVerseHoldsMarkupGluedWordsOrStrayBlanks)
{
    // A lower-case letter followed by a capital, or punctuation followed by a
    // letter, is where a cut note glued two words together. The text itself
    // writes "...!Auf", "hundert-,das" and once "Eva,sein".
    static const QRegularExpression glued(
        QString::fromUtf8("\\p{Ll}\\p{Lu}|(?<![.-])[,;:!?]\\p{L}(?<!Eva,s)|(?<!\\.)\\.\\p{L}{2}"));
    static const QRegularExpression markup(QString::fromUtf8("[<>&\uE000]|\\([HG]\\d|\\s\\s|^\\s|\\s$|\\n"));
    const auto rows = sqlite_rows(bible, "SELECT book, chapter, verse, Bible_Text FROM texte WHERE Bible_Text IS NOT NULL");
    EXPECT_EQ(rows.size(), 31104u - 2u);
    for (const Row& row : rows) {
        const QString text = row[3].toString();
        EXPECT_FALSE(glued.match(text).hasMatch() || markup.match(text).hasMatch())
            << row[0].toInt() << " " << row[1].toInt() << ":" << row[2].toInt() << " " << text.toStdString();
    }
}

} // namespace
