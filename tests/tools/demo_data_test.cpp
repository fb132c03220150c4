// SPDX-License-Identifier: GPL-2.0-or-later
// The demo data the build generated into the program folder, as the reader
// needs it: in each edition's book every date of its year, every key
// showable with its verses, the book list agreeing with the Bible, and the
// variety the tests and users rely on; each edition's days its own.

#include "holidays.h"
#include "rare_words.h"
#include "references.h"
#include "sqlite_test.h"

#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString bible = QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb");

// The books of the demo data: 2024 in the folder itself, 2025 in its
// subfolder, which shares the Bible, the templates and the pictures.
struct Edition {
    QString book;
    int year;
    int days;
};
const Edition editions[] = {
    {QStringLiteral(SELUNAR_DATA_DIR "qov.mdb"), 2024, 366},
    {QStringLiteral(SELUNAR_DATA_DIR "2025/qov.mdb"), 2025, 365},
};

void PrintTo(const Edition& edition, std::ostream* out)
{
    *out << edition.year;
}

// Facts of the generated Bible; the texts depend on the module it is made from.
const std::pair<const char*, QVariant> bible_facts[] = {
    {"SELECT count(*) FROM texte", 31104},
    {"SELECT count(*) FROM (SELECT DISTINCT book, chapter FROM texte)", 1189},
    {"SELECT max(verse) FROM texte WHERE book=19 AND chapter=119", 176},
    // Verses of every chapter run from one without gaps.
    {"SELECT count(*) FROM (SELECT book, chapter FROM texte GROUP BY book, chapter "
     "HAVING min(verse) <> 1 OR max(verse) <> count(*))", 0},
    {"SELECT group_concat(name, ',') FROM pragma_index_info('book')", "book,chapter,verse"},
    // The verses the module leaves empty are Null, never empty texts.
    {"SELECT group_concat(book || '_' || chapter || '_' || verse, ' ') FROM texte WHERE Bible_Text IS NULL",
     "64_1_15 66_12_18"},
    {"SELECT count(*) FROM texte WHERE Bible_Text = ''", 0},
    {"SELECT Bible_Text FROM texte WHERE book=1 AND chapter=1 AND verse=1",
     "Im Anfang schuf Gott die Himmel und die Erde."},
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

// An independent reading of a key, so that the generated keys are checked
// against the grammar rather than the generator's own formatting: references
// joined by "/", each "b_c_v", "b_c_v-w" or "b_c,v-c2,v2". Empty when the key
// does not follow it.
std::vector<Passage> parse_bcv_key(const QString& key)
{
    static const QRegularExpression form("^(\\d+)_(\\d+)(?:_(\\d+)(?:-(\\d+))?|,(\\d+)-(\\d+),(\\d+))$");
    std::vector<Passage> passages;
    for (const QString& reference : key.split('/')) {
        const auto m = form.match(reference);
        if (!m.hasMatch())
            return {};
        const auto n = [&](int i) { return m.captured(i).toInt(); };
        passages.push_back(m.hasCaptured(3) ? Passage{n(1), n(2), n(3), n(2), n(m.hasCaptured(4) ? 4 : 3)}
                                            : Passage{n(1), n(2), n(5), n(6), n(7)});
    }
    return passages;
}

enum Column { datum, feiertag, leitvers, bibelstelle, bcv1, thema, text, frage, tipp, bibellese, bcv2, bereich };

QList<Row> days_of(const QString& book)
{
    return sqlite_rows(book, "SELECT Datum, feiertag, Leitvers, Bibelstelle, bcv1, Thema, Text, Frage, "
                             "Tipp, Bibellese, bcv2, bereich FROM QOV ORDER BY Datum");
}

struct Generated {
    std::map<std::tuple<int, int, int>, QVariant> verses;

    Generated()
    {
        for (const Row& r : sqlite_rows(bible, "SELECT book, chapter, verse, Bible_Text FROM texte"))
            verses[{r[0].toInt(), r[1].toInt(), r[2].toInt()}] = r[3];
    }
    bool has(int b, int c, int v) const { return verses.count({b, c, v}) != 0; }

    // The texts of a passage's verses in order (Null ones left out); false
    // when a verse is missing or the range runs backwards.
    bool passage_texts(const Passage& p, QStringList& texts) const
    {
        // A whole chapter (verse 0) runs from verse 1 to its last verse.
        int last = p.end_verse;
        if (p.verse == 0)
            for (last = 0; has(p.book, p.chapter, last + 1);)
                ++last;
        bool any = false;
        for (int c = p.chapter, v = std::max(p.verse, 1); c < p.end_chapter || (c == p.end_chapter && v <= last);) {
            if (!has(p.book, c, v))
                return false;
            if (const QVariant& t = verses.at({p.book, c, v}); t.isValid())
                texts << t.toString();
            any = true;
            const bool chapter_ends = c < p.end_chapter && !has(p.book, c, v + 1);
            c += chapter_ends ? 1 : 0;
            v = chapter_ends ? 1 : v + 1;
        }
        return any;
    }
};

const Generated& generated()
{
    static const Generated g;
    return g;
}

TEST(DemoData, BibleFacts)
{
    for (const auto& [sql, value] : bible_facts)
        EXPECT_EQ(sqlite_value(bible, sql).toString(), value.toString()) << sql;
    // A lower-case letter followed by a capital, or punctuation followed by a
    // letter, is where a cut note glued two words together. The text itself
    // writes "...!Auf", "hundert-,das" and once "Eva,sein".
    static const QRegularExpression glued(
        QString::fromUtf8("\\p{Ll}\\p{Lu}|(?<![.-])[,;:!?]\\p{L}(?<!Eva,s)|(?<!\\.)\\.\\p{L}{2}"));
    static const QRegularExpression markup(QString::fromUtf8("[<>&\uE000]|\\([HG]\\d|\\s\\s|^\\s|\\s$|\\n"));
    for (const auto& [id, verse] : generated().verses)
        EXPECT_FALSE(glued.match(verse.toString()).hasMatch() || markup.match(verse.toString()).hasMatch())
            << std::get<0>(id) << " " << std::get<1>(id) << ":" << std::get<2>(id) << " " << verse.toString().toStdString();
}

// Each edition's book, checked alike.
class DemoBook : public testing::TestWithParam<Edition> {
protected:
    const QString& book = GetParam().book;
    const QList<Row> days = days_of(book);
};

INSTANTIATE_TEST_SUITE_P(Editions, DemoBook, testing::ValuesIn(editions));

TEST_P(DemoBook, EveryDateOfTheYearWithEveryFieldButTheHolidayFilledAndItsHoliday)
{
    ASSERT_EQ(days.size(), GetParam().days);
    QDate expected(GetParam().year, 1, 1);
    std::map<QDate, QString> holiday;
    for (const Row& r : days) {
        const std::string day = r[datum].toString().toStdString();
        EXPECT_EQ(r[datum].toString(), expected.toString(Qt::ISODate));
        // A day without a holiday holds Null, never an empty text.
        if (r[feiertag].isValid())
            holiday[expected] = r[feiertag].toString();
        expected = expected.addDays(1);
        for (int c : {leitvers, bibelstelle, bcv1, thema, text, frage, tipp, bibellese, bcv2})
            EXPECT_FALSE(r[c].toString().isEmpty()) << day << " column " << c;
        EXPECT_FALSE(r[text].toString().contains('<')) << day;
        EXPECT_GE(r[text].toString().count("\r\n"), 1) << "one paragraph on " << day;
        EXPECT_FALSE(r[text].toString().contains(QRegularExpression("(^|[^\r])\n"))) << "bare line feed on " << day;
    }
    EXPECT_EQ(expected, QDate(GetParam().year + 1, 1, 1));
    EXPECT_EQ(holiday, holidays(GetParam().year));
}

TEST_P(DemoBook, EveryKeyIsShowableWithItsVersesItsTextNamesItsBookTheGuidingVerseIsItsText)
{
    std::map<int, QString> names;
    std::map<int, int> chapters;
    for (const auto& [id, text] : generated().verses)
        chapters[std::get<0>(id)] = std::max(chapters[std::get<0>(id)], std::get<1>(id));
    const QList<Row> list = sqlite_rows(book, "SELECT Lfdnr, buch, maxkapitel FROM Bibel ORDER BY Lfdnr");
    ASSERT_EQ(list.size(), 66);
    for (int i = 0; i < 66; ++i) {
        EXPECT_EQ(list[i][0].toInt(), i + 1);
        EXPECT_EQ(list[i][2].toInt(), chapters[i + 1]) << "book " << i + 1;
        names[i + 1] = list[i][1].toString();
    }
    EXPECT_EQ(names[1], "1. Mose");
    EXPECT_EQ(names[66], "Offenbarung");

    for (const Row& r : days) {
        const std::string day = r[datum].toString().toStdString();
        QStringList guiding;
        for (auto [text_column, key_column] : {std::pair(bibelstelle, bcv1), std::pair(bibellese, bcv2)}) {
            const QStringList texts = r[text_column].toString().split("; ");
            const QStringList keys = r[key_column].toString().split(';');
            ASSERT_EQ(texts.size(), keys.size()) << day;
            EXPECT_EQ(r[text_column].toString().count(';'), keys.size() - 1) << day;
            for (int i = 0; i < keys.size(); ++i) {
                const auto passages = parse_bcv_key(keys[i]);
                ASSERT_FALSE(passages.empty()) << day << ": " << keys[i].toStdString();
                // "1. Mose 2,4-3,7" names its book the way table Bibel does.
                EXPECT_TRUE(texts[i].startsWith(names[passages.front().book] + " ")) << texts[i].toStdString();
                QStringList verse_texts;
                for (const Passage& p : passages)
                    EXPECT_TRUE(generated().passage_texts(p, verse_texts)) << day << ": " << keys[i].toStdString();
                if (text_column == bibelstelle)
                    guiding += verse_texts;
            }
        }
        EXPECT_EQ(r[leitvers].toString(), guiding.join("\r\n")) << day;
    }
}

TEST_P(DemoBook, VarietyOfKeysBooksAreasAuthorsAndWords)
{
    std::map<QString, int> forms;
    std::set<int> books;
    int two_readings = 0;
    for (const Row& r : days) {
        two_readings += r[bcv2].toString().contains(';') ? 1 : 0;
        const QStringList keys = r[bcv1].toString().split(';');
        ++forms[QString("%1 references").arg(keys.size())];
        for (const QString& key : keys + r[bcv2].toString().split(';')) {
            forms["several passages"] += key.contains('/') ? 1 : 0;
            for (const Passage& p : parse_bcv_key(key)) {
                books.insert(p.book);
                ++forms[p.verse == 0 ? "whole chapter" : p.end_chapter != p.chapter ? "across chapters"
                        : p.end_verse != p.verse ? "verse range" : "single verse"];
            }
        }
    }
    for (const char* form : {"2 references", "3 references", "several passages", "whole chapter", "across chapters",
                             "verse range", "single verse"})
        EXPECT_GE(forms[form], 5) << form;
    // Law, history, wisdom, prophets, gospels, Acts, letters, Revelation.
    for (int b : {1, 2, 5, 6, 9, 18, 19, 20, 23, 24, 27, 40, 41, 42, 43, 44, 45, 58, 62, 66})
        EXPECT_TRUE(books.count(b)) << "book " << b;
    EXPECT_EQ(two_readings, 52) << "every Sunday adds a psalm";

    // Every area its own picture (a subfolder's book those of the folder
    // above); areas and authors of every day exist; first names include a
    // Null and an empty one; one author wrote nothing.
    for (const Row& a : sqlite_rows(book, "SELECT bild FROM Bereiche"))
        EXPECT_EQ(QImage(QStringLiteral(SELUNAR_DATA_DIR "qov_pics/") + a[0].toString()).size(), QSize(64, 64));
    for (const char* sql : {"SELECT count(DISTINCT bild) = count(*) FROM Bereiche",
                            "SELECT count(*) = 0 FROM QOV WHERE bereich NOT IN (SELECT id FROM Bereiche)",
                            "SELECT count(*) = 0 FROM QOV WHERE AID NOT IN (SELECT AID FROM AutorenNeu)",
                            "SELECT count(*) > 0 FROM AutorenNeu WHERE Vorname IS NULL",
                            "SELECT count(*) > 0 FROM AutorenNeu WHERE Vorname = ''",
                            "SELECT count(*) = 0 FROM AutorenNeu WHERE coalesce(Nachname, '') = ''",
                            "SELECT count(*) > 0 FROM AutorenNeu WHERE AID NOT IN (SELECT AID FROM QOV)"})
        EXPECT_EQ(sqlite_value(book, sql).toInt(), 1) << sql;
    // A rare word stands on its dates in its year's book and nowhere else.
    for (const RareWord& w : rare_words) {
        QStringList expected;
        for (const QString& date : QString(w.dates).split(';'))
            if (date.startsWith(QString::number(GetParam().year)))
                expected << date;
        QStringList dates;
        for (const Row& r : sqlite_rows(book, QString("SELECT Datum FROM QOV WHERE Thema LIKE '%%1%' OR Text LIKE "
                                                      "'%%1%' ORDER BY Datum").arg(QString::fromUtf8(w.word))))
            dates << r[0].toString();
        EXPECT_EQ(dates, expected) << w.word;
        EXPECT_LE(dates.size(), 3);
    }
}

// Every calendar day of 2025 has a topic, text, guiding verse and reading
// of its own, none of them the 2024 day's.
TEST(DemoData, The2025BookSaysSomethingElseThan2024OnEveryCalendarDay)
{
    std::map<QString, Row> earlier;
    for (const Row& r : days_of(editions[0].book))
        earlier[r[datum].toString().mid(5)] = r;
    const QList<Row> later = days_of(editions[1].book);
    ASSERT_EQ(later.size(), 365);
    int same_area = 0;
    for (const Row& r : later) {
        const Row& before = earlier.at(r[datum].toString().mid(5));
        for (int c : {thema, text, leitvers, bibellese})
            EXPECT_NE(r[c], before[c]) << r[datum].toString().toStdString() << " column " << c;
        same_area += r[bereich] == before[bereich] ? 1 : 0;
    }
    // The areas are dealt out anew: one of the twelve meets last year's on
    // about every twelfth day.
    EXPECT_LT(same_area, 365 / 6);
}

// Each year's reading plan: 2024 begins with Matthew, 2025 with Genesis,
// and the Sunday psalms go on where 2024 stopped.
TEST(DemoData, ReadingsBeginWhereTheirYearDoes)
{
    const std::tuple<const Edition&, const char*, const char*> readings[] = {
        {editions[0], "2024-01-01", "Matthäus 1"},
        {editions[0], "2024-01-07", "Matthäus 6; Psalm 1"},
        {editions[0], "2024-12-29", "Hoheslied 5; Psalm 52"},
        {editions[1], "2025-01-01", "1. Mose 1"},
        {editions[1], "2025-01-05", "1. Mose 5; Psalm 53"},
        {editions[1], "2025-12-28", "1. Könige 20,22-43; Psalm 104"},
    };
    for (const auto& [edition, date, reading] : readings)
        EXPECT_EQ(sqlite_value(edition.book, QString("SELECT Bibellese FROM QOV WHERE Datum = '%1'").arg(date)).toString(),
                  QString::fromUtf8(reading))
            << date;
}

} // namespace
