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
        // Verses the module leaves empty, such as Acts 8:37, are Null.
        {"SELECT count(*) FROM texte WHERE Bible_Text IS NULL", 9},
        {"SELECT count(*) FROM texte WHERE Bible_Text IS NULL AND book=44 AND chapter=8 AND verse=37", 1},
        {"SELECT count(*) FROM texte WHERE Bible_Text = ''", 0},
        {"SELECT Bible_Text FROM texte WHERE book=1 AND chapter=1 AND verse=1",
         "In the beginning, God created the heavens and the earth."},
        {"SELECT Bible_Text FROM texte WHERE book=43 AND chapter=3 AND verse=16",
         "For God so loved the world, that he gave his only born Son, that whoever believes in "
         "him should not perish, but have eternal life."},
        // Poetry joined into one line, the psalm's title left out.
        {"SELECT Bible_Text FROM texte WHERE book=19 AND chapter=23 AND verse=1",
         "Yahweh is my shepherd; I shall lack nothing."},
        // The module's glossary after the last verse is not part of it.
        {"SELECT Bible_Text FROM texte WHERE book=66 AND chapter=22 AND verse=21",
         "The grace of the Lord Jesus Christ be with all the saints. Amen."},
    };
    for (const auto& [sql, value] : facts)
        EXPECT_EQ(sqlite_value(bible, sql).toString(), value.toString()) << sql;
}

TEST(GeneratedBible, NoVerseHoldsMarkupGluedWordsOrStrayBlanks)
{
    // A lower-case letter followed by a capital, or punctuation followed by a
    // letter, is where a cut footnote or heading glued two words together.
    static const QRegularExpression glued(QString::fromUtf8("[a-z][A-Z]|[,;:!?][A-Za-z\u201C]|[a-z]\u201C|\\.[A-Za-z]{2}"));
    static const QRegularExpression markup(QString::fromUtf8("[<>&\uE000]|\\s\\s|^\\s|\\s$|\\n"));
    const auto rows = sqlite_rows(bible, "SELECT book, chapter, verse, Bible_Text FROM texte WHERE Bible_Text IS NOT NULL");
    EXPECT_EQ(rows.size(), 31104u - 9u);
    for (const Row& row : rows) {
        const QString text = row[3].toString();
        EXPECT_FALSE(glued.match(text).hasMatch() || markup.match(text).hasMatch())
            << row[0].toInt() << " " << row[1].toInt() << ":" << row[2].toInt() << " " << text.toStdString();
    }
}

} // namespace
