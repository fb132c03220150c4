// The book database the build generated into the program folder, checked
// against the key grammar and the generated Bible.

#include "bcv_key_parser.h"
#include "holidays.h"
#include "rare_words.h"
#include "sqlite_rows.h"

#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {

const QString book = QStringLiteral(SELUNAR_DATA_DIR "qov.mdb");
const QString bible = QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb");

using VerseId = std::tuple<int, int, int>;

class GeneratedBook : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        verses_ = new std::map<VerseId, QVariant>;
        for (const Row& r : sqlite_rows(bible, "SELECT book, chapter, verse, Bible_Text FROM texte"))
            (*verses_)[{r[0].toInt(), r[1].toInt(), r[2].toInt()}] = r[3];
        days_ = new std::vector<Row>(sqlite_rows(
            book, "SELECT Datum, feiertag, Leitvers, Bibelstelle, bcv1, Thema, Text, Frage, Tipp, "
                  "Bibellese, bcv2, bereich, AID FROM QOV ORDER BY Datum"));
    }
    static void TearDownTestSuite()
    {
        delete verses_;
        delete days_;
    }

    static bool verse_exists(int b, int c, int v) { return verses_->count({b, c, v}) != 0; }

    // The verses of a parsed passage, in order; empty when one is missing.
    static std::vector<VerseId> passage_verses(const ParsedPassage& p)
    {
        std::vector<VerseId> ids;
        if (p.verse == 0) {
            for (int v = 1; verse_exists(p.book, p.chapter, v); ++v)
                ids.emplace_back(p.book, p.chapter, v);
            return ids;
        }
        for (int c = p.chapter; c <= p.end_chapter; ++c)
            for (int v = c == p.chapter ? p.verse : 1;
                 c == p.end_chapter ? v <= p.end_verse : verse_exists(p.book, c, v); ++v) {
                if (!verse_exists(p.book, c, v))
                    return {};
                ids.emplace_back(p.book, c, v);
            }
        return ids;
    }

    static const std::vector<Row>& days() { return *days_; }

    static std::map<VerseId, QVariant>* verses_;
    static std::vector<Row>* days_;
};

std::map<VerseId, QVariant>* GeneratedBook::verses_ = nullptr;
std::vector<Row>* GeneratedBook::days_ = nullptr;

enum Column { datum, feiertag, leitvers, bibelstelle, bcv1, thema, text, frage, tipp, bibellese, bcv2, bereich, aid };

TEST_F(GeneratedBook, EveryDateOf2024HasOneRowWhereEveryFieldButTheHolidayHoldsAValue)
{
    ASSERT_EQ(days().size(), 366u);
    QDate expected(2024, 1, 1);
    for (const Row& r : days()) {
        EXPECT_EQ(r[datum].toString(), expected.toString(Qt::ISODate));
        expected = expected.addDays(1);
        for (int c : {leitvers, bibelstelle, bcv1, thema, text, frage, tipp, bibellese, bcv2})
            EXPECT_FALSE(r[c].toString().isEmpty()) << r[datum].toString().toStdString() << " column " << c;
        EXPECT_FALSE(r[text].toString().contains('<')) << r[datum].toString().toStdString();
        EXPECT_GE(r[text].toString().count("\r\n"), 1) << "one paragraph on " << r[datum].toString().toStdString();
        EXPECT_FALSE(r[text].toString().contains(QRegularExpression("(^|[^\r])\n"))) << "bare line feed";
    }
}

TEST_F(GeneratedBook, EveryKeyFollowsTheGrammarAndNamesExistingVerses)
{
    for (const Row& r : days()) {
        for (int c : {bcv1, bcv2}) {
            for (const QString& key : r[c].toString().split(';')) {
                const auto passages = parse_bcv_key(key);
                ASSERT_FALSE(passages.empty()) << r[datum].toString().toStdString() << ": " << key.toStdString();
                for (const ParsedPassage& p : passages) {
                    EXPECT_TRUE(p.book >= 1 && p.book <= 66) << key.toStdString();
                    EXPECT_TRUE(p.end_chapter > p.chapter || (p.end_chapter == p.chapter && p.end_verse >= p.verse))
                        << key.toStdString();
                    EXPECT_FALSE(passage_verses(p).empty()) << r[datum].toString().toStdString() << ": " << key.toStdString();
                }
            }
        }
    }
}

TEST_F(GeneratedBook, ReferenceTextsAndKeysMatchInNumberAndBook)
{
    std::map<int, QString> names;
    for (const Row& r : sqlite_rows(book, "SELECT Lfdnr, buch FROM Bibel"))
        names[r[0].toInt()] = r[1].toString();
    for (const Row& r : days()) {
        for (auto [text_column, key_column] : {std::pair(bibelstelle, bcv1), std::pair(bibellese, bcv2)}) {
            const QStringList texts = r[text_column].toString().split("; ");
            const QStringList keys = r[key_column].toString().split(';');
            ASSERT_EQ(texts.size(), keys.size()) << r[datum].toString().toStdString();
            EXPECT_EQ(r[text_column].toString().count(';'), keys.size() - 1);
            for (int i = 0; i < keys.size(); ++i) {
                const auto passages = parse_bcv_key(keys[i]);
                ASSERT_FALSE(passages.empty());
                // "1. Mose 2,4-3,7" names its book the way table Bibel does.
                EXPECT_TRUE(texts[i].startsWith(names[passages.front().book] + " "))
                    << texts[i].toStdString() << " / " << keys[i].toStdString();
            }
        }
    }
}

TEST_F(GeneratedBook, TheGuidingVerseIsTheTextOfItsReferences)
{
    for (const Row& r : days()) {
        QStringList lines;
        for (const QString& key : r[bcv1].toString().split(';'))
            for (const ParsedPassage& p : parse_bcv_key(key))
                for (const VerseId& id : passage_verses(p))
                    if (verses_->at(id).isValid())
                        lines << verses_->at(id).toString();
        EXPECT_EQ(r[leitvers].toString(), lines.join("\r\n")) << r[datum].toString().toStdString();
    }
}

TEST_F(GeneratedBook, TheYearUsesEveryFormOfKey)
{
    std::map<QString, int> forms;
    std::set<int> books;
    int two_readings = 0;
    for (const Row& r : days()) {
        two_readings += r[bcv2].toString().contains(';') ? 1 : 0;
        const QStringList keys = r[bcv1].toString().split(';');
        if (keys.size() == 2)
            ++forms["two references"];
        if (keys.size() == 3)
            ++forms["three references"];
        for (const QString& key : keys + r[bcv2].toString().split(';')) {
            if (key.contains('/'))
                ++forms["several passages"];
            for (const ParsedPassage& p : parse_bcv_key(key)) {
                books.insert(p.book);
                if (p.verse == 0)
                    ++forms["whole chapter"];
                else if (p.end_chapter != p.chapter)
                    ++forms["across chapters"];
                else if (p.end_verse != p.verse)
                    ++forms["verse range"];
                else
                    ++forms["single verse"];
            }
        }
    }
    for (const char* form : {"two references", "three references", "several passages", "whole chapter",
                             "across chapters", "verse range", "single verse"})
        EXPECT_GE(forms[form], 5) << form;
    // Law, history, wisdom, prophets, gospels, Acts, letters, Revelation.
    for (int b : {1, 2, 5, 6, 9, 18, 19, 20, 23, 24, 27, 40, 41, 42, 43, 44, 45, 58, 62, 66})
        EXPECT_TRUE(books.count(b)) << "book " << b;
    EXPECT_EQ(two_readings, 52) << "every Sunday adds a psalm";
}

TEST_F(GeneratedBook, HolidaysStandOnTheirDatesAndNullElsewhere)
{
    std::map<QDate, QString> holiday;
    for (const Row& r : days())
        if (r[feiertag].isValid())
            holiday[QDate::fromString(r[datum].toString(), Qt::ISODate)] = r[feiertag].toString();
    EXPECT_EQ(holiday, holidays(2024));
    EXPECT_EQ(holiday[QDate(2024, 3, 29)], "Karfreitag");
    EXPECT_EQ(sqlite_value(book, "SELECT count(*) FROM QOV WHERE feiertag = ''").toInt(), 0);
}

TEST_F(GeneratedBook, BookListHasThe66BooksWithChapterCountsOfTheBible)
{
    const auto rows = sqlite_rows(book, "SELECT Lfdnr, buch, maxkapitel FROM Bibel ORDER BY Lfdnr");
    ASSERT_EQ(rows.size(), 66u);
    int chapters = 0;
    for (int i = 0; i < 66; ++i) {
        EXPECT_EQ(rows[i][0].toInt(), i + 1);
        EXPECT_EQ(rows[i][2].toInt(),
                  sqlite_value(bible, QString("SELECT max(chapter) FROM texte WHERE book=%1").arg(i + 1)).toInt());
        chapters += rows[i][2].toInt();
    }
    EXPECT_EQ(chapters, 1189);
    EXPECT_EQ(rows[0][1].toString(), "1. Mose");
    EXPECT_EQ(rows[65][1].toString(), "Offenbarung");
}

TEST_F(GeneratedBook, EveryTopicAreaHasItsOwnPicture)
{
    const auto areas = sqlite_rows(book, "SELECT id, Bezeichnung, bild FROM Bereiche");
    EXPECT_GE(areas.size(), 10u);
    std::set<QString> pictures;
    std::set<qint64> ids;
    for (const Row& a : areas) {
        ids.insert(a[0].toLongLong());
        pictures.insert(a[2].toString());
        EXPECT_EQ(QImage(QStringLiteral(SELUNAR_DATA_DIR "qov_pics/") + a[2].toString()).size(), QSize(64, 64))
            << a[2].toString().toStdString();
    }
    EXPECT_EQ(pictures.size(), areas.size());
    for (const Row& r : days())
        EXPECT_TRUE(ids.count(r[bereich].toLongLong())) << r[datum].toString().toStdString();
}

TEST_F(GeneratedBook, AuthorsCoverTheEdgeCasesOfNames)
{
    const auto authors = sqlite_rows(book, "SELECT AID, Vorname, Nachname FROM AutorenNeu");
    EXPECT_GE(authors.size(), 15u);
    int null_first = 0, empty_first = 0;
    std::set<qint64> aids;
    for (const Row& a : authors) {
        aids.insert(a[0].toLongLong());
        null_first += a[1].isValid() ? 0 : 1;
        empty_first += a[1].isValid() && a[1].toString().isEmpty() ? 1 : 0;
        EXPECT_FALSE(a[2].toString().isEmpty());
    }
    EXPECT_GE(null_first, 1);
    EXPECT_GE(empty_first, 1);
    std::set<qint64> writing;
    for (const Row& r : days()) {
        EXPECT_TRUE(aids.count(r[aid].toLongLong())) << r[datum].toString().toStdString();
        writing.insert(r[aid].toLongLong());
    }
    EXPECT_LT(writing.size(), aids.size()) << "one author has no devotional";
}

TEST_F(GeneratedBook, ACommonWordIsFoundOnManyDaysARareWordOnFew)
{
    EXPECT_GE(sqlite_value(book, "SELECT count(*) FROM QOV WHERE Thema LIKE '%Gott%' OR Text LIKE '%Gott%'").toInt(), 24);
    for (const RareWord& w : rare_words) {
        const auto rows = sqlite_rows(book, QString("SELECT Datum FROM QOV WHERE Thema LIKE '%%1%' OR Text LIKE '%%1%' "
                                                    "ORDER BY Datum").arg(QString::fromUtf8(w.word)));
        QStringList dates;
        for (const Row& r : rows)
            dates << r[0].toString();
        EXPECT_EQ(dates.join(';'), QString(w.dates)) << w.word;
        EXPECT_LE(dates.size(), 3);
    }
}

} // namespace
