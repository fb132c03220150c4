// The Bible database the build generated into the program folder.

#include "sqlite_rows.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString bible = QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb");

QVariant verse_text(int book, int chapter, int verse)
{
    return sqlite_value(bible, QString("SELECT Bible_Text FROM texte WHERE book=%1 AND chapter=%2 AND verse=%3")
                                   .arg(book).arg(chapter).arg(verse));
}

TEST(GeneratedBible, HoldsThe66BooksWithTheirChaptersAndVerses)
{
    EXPECT_EQ(sqlite_value(bible, "SELECT count(*) FROM texte").toInt(), 31104);
    EXPECT_EQ(sqlite_value(bible, "SELECT count(DISTINCT book) FROM texte").toInt(), 66);
    EXPECT_EQ(sqlite_value(bible, "SELECT count(*) FROM (SELECT DISTINCT book, chapter FROM texte)").toInt(), 1189);
    EXPECT_EQ(sqlite_value(bible, "SELECT max(verse) FROM texte WHERE book=19 AND chapter=119").toInt(), 176);
    // Verses of every chapter run from one without gaps.
    EXPECT_EQ(sqlite_value(bible, "SELECT count(*) FROM (SELECT book, chapter FROM texte GROUP BY book, chapter "
                                  "HAVING min(verse) <> 1 OR max(verse) <> count(*))")
                  .toInt(),
              0);
    EXPECT_EQ(sqlite_value(bible, "SELECT group_concat(name, ',') FROM pragma_index_info('book')").toString(),
              "book,chapter,verse");
}

TEST(GeneratedBible, SpotChecksReadExactly)
{
    EXPECT_EQ(verse_text(1, 1, 1).toString(), "In the beginning, God created the heavens and the earth.");
    EXPECT_EQ(verse_text(43, 3, 16).toString(),
              "For God so loved the world, that he gave his only born Son, that whoever believes in "
              "him should not perish, but have eternal life.");
    // Poetry joined into one line, the psalm's title left out.
    EXPECT_EQ(verse_text(19, 23, 1).toString(), "Yahweh is my shepherd; I shall lack nothing.");
    // The module's glossary after the last verse is not part of it.
    EXPECT_EQ(verse_text(66, 22, 21).toString(), "The grace of the Lord Jesus Christ be with all the saints. Amen.");
}

TEST(GeneratedBible, VersesTheModuleLeavesEmptyAreNull)
{
    EXPECT_FALSE(verse_text(44, 8, 37).isValid());
    EXPECT_FALSE(verse_text(64, 1, 15).isValid());
    EXPECT_EQ(sqlite_value(bible, "SELECT count(*) FROM texte WHERE Bible_Text IS NULL").toInt(), 9);
    EXPECT_EQ(sqlite_value(bible, "SELECT count(*) FROM texte WHERE Bible_Text = ''").toInt(), 0);
}

TEST(GeneratedBible, NoVerseHoldsMarkupGluedWordsOrStrayBlanks)
{
    // A lower-case letter followed by a capital, or punctuation followed by a
    // letter, is where a cut footnote or heading glued two words together.
    static const QRegularExpression glued(QString::fromUtf8("[a-z][A-Z]|[,;:!?][A-Za-z\u201C]|[a-z]\u201C|\\.[A-Za-z]{2}"));
    static const QRegularExpression markup(QString::fromUtf8("[<>&\uE000]|\\s\\s|^\\s|\\s$|\\n"));
    int checked = 0;
    for (const Row& row : sqlite_rows(bible, "SELECT book, chapter, verse, Bible_Text FROM texte WHERE Bible_Text IS NOT NULL")) {
        const QString text = row[3].toString();
        const QString where = QString("%1 %2:%3 ").arg(row[0].toInt()).arg(row[1].toInt()).arg(row[2].toInt());
        EXPECT_FALSE(glued.match(text).hasMatch()) << (where + text).toStdString();
        EXPECT_FALSE(markup.match(text).hasMatch()) << (where + text).toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 31104 - 9);
}

} // namespace
