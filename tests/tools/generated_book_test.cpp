// The book database the build generated into the program folder, checked
// against the key grammar and the generated Bible.

#include "holidays.h"
#include "rare_words.h"
#include "references.h"
#include "sqlite_rows.h"

#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString book = QStringLiteral(SELUNAR_DATA_DIR "qov.mdb");

using VerseId = std::tuple<int, int, int>;

// An independent reading of a bcv key, so that the generated keys are checked
// against the grammar rather than the generator's own formatting: references
// joined by "/", each "b_c_v", "b_c_v-w" or "b_c,v-c2,v2". Empty when the key
// does not follow it.
std::vector<Passage> parse_bcv_key(const QString& key)
{
    static const QRegularExpression in_chapter("^(\\d+)_(\\d+)_(\\d+)(?:-(\\d+))?$");
    static const QRegularExpression across("^(\\d+)_(\\d+),(\\d+)-(\\d+),(\\d+)$");
    std::vector<Passage> passages;
    for (const QString& reference : key.split('/')) {
        const auto m = in_chapter.match(reference);
        const auto a = across.match(reference);
        if (m.hasMatch())
            passages.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                                m.captured(2).toInt(), m.captured(m.hasCaptured(4) ? 4 : 3).toInt()});
        else if (a.hasMatch())
            passages.push_back({a.captured(1).toInt(), a.captured(2).toInt(), a.captured(3).toInt(),
                                a.captured(4).toInt(), a.captured(5).toInt()});
        else
            return {};
    }
    return passages;
}

enum Column { datum, feiertag, leitvers, bibelstelle, bcv1, thema, text, frage, tipp, bibellese, bcv2, bereich, aid };

struct Generated {
    std::map<VerseId, QVariant> verses;
    std::vector<Row> days;

    bool has(int b, int c, int v) const { return verses.count({b, c, v}) != 0; }

    // The verses of a passage in order; empty when one is missing or the
    // range runs backwards.
    std::vector<VerseId> passage_verses(const Passage& p) const
    {
        std::vector<VerseId> ids;
        if (p.verse == 0) {
            for (int v = 1; has(p.book, p.chapter, v); ++v)
                ids.emplace_back(p.book, p.chapter, v);
            return ids;
        }
        for (int c = p.chapter, v = p.verse; c < p.end_chapter || (c == p.end_chapter && v <= p.end_verse);) {
            if (!has(p.book, c, v))
                return {};
            ids.emplace_back(p.book, c, v);
            const bool chapter_ends = c < p.end_chapter && !has(p.book, c, v + 1);
            c += chapter_ends ? 1 : 0;
            v = chapter_ends ? 1 : v + 1;
        }
        return ids;
    }
};

const Generated& generated()
{
    static const Generated g = [] {
        Generated g;
        for (const Row& r : sqlite_rows(QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb"),
                                        "SELECT book, chapter, verse, Bible_Text FROM texte"))
            g.verses[{r[0].toInt(), r[1].toInt(), r[2].toInt()}] = r[3];
        g.days = sqlite_rows(book, "SELECT Datum, feiertag, Leitvers, Bibelstelle, bcv1, Thema, Text, Frage, Tipp, "
                                   "Bibellese, bcv2, bereich, AID FROM QOV ORDER BY Datum");
        return g;
    }();
    return g;
}

TEST(GeneratedBook, EveryDateOf2024HasOneRowWhereEveryFieldButTheHolidayHoldsAValue)
{
    ASSERT_EQ(generated().days.size(), 366u);
    QDate expected(2024, 1, 1);
    std::map<QDate, QString> holiday;
    for (const Row& r : generated().days) {
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
    EXPECT_EQ(holiday, holidays(2024));
}

TEST(GeneratedBook, EveryReferenceNamesItsBookAndHasAKeyToExistingVersesTheGuidingVerseIsTheirText)
{
    std::map<int, QString> names;
    for (const Row& r : sqlite_rows(book, "SELECT Lfdnr, buch FROM Bibel"))
        names[r[0].toInt()] = r[1].toString();
    for (const Row& r : generated().days) {
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
                for (const Passage& p : passages) {
                    const auto ids = generated().passage_verses(p);
                    EXPECT_FALSE(ids.empty()) << day << ": " << keys[i].toStdString();
                    for (const VerseId& id : ids)
                        if (text_column == bibelstelle && generated().verses.at(id).isValid())
                            guiding << generated().verses.at(id).toString();
                }
            }
        }
        EXPECT_EQ(r[leitvers].toString(), guiding.join("\r\n")) << day;
    }
}

TEST(GeneratedBook, TheYearUsesEveryFormOfKey)
{
    std::map<QString, int> forms;
    std::set<int> books;
    int two_readings = 0;
    for (const Row& r : generated().days) {
        two_readings += r[bcv2].toString().contains(';') ? 1 : 0;
        const QStringList keys = r[bcv1].toString().split(';');
        ++forms[QString("%1 references").arg(keys.size())];
        for (const QString& key : keys + r[bcv2].toString().split(';')) {
            forms["several passages"] += key.contains('/') ? 1 : 0;
            for (const Passage& p : parse_bcv_key(key)) {
                books.insert(p.book);
                ++forms[p.verse == 0                 ? "whole chapter"
                        : p.end_chapter != p.chapter ? "across chapters"
                        : p.end_verse != p.verse     ? "verse range"
                                                     : "single verse"];
            }
        }
    }
    for (const char* form : {"2 references", "3 references", "several passages", "whole chapter",
                             "across chapters", "verse range", "single verse"})
        EXPECT_GE(forms[form], 5) << form;
    // Law, history, wisdom, prophets, gospels, Acts, letters, Revelation.
    for (int b : {1, 2, 5, 6, 9, 18, 19, 20, 23, 24, 27, 40, 41, 42, 43, 44, 45, 58, 62, 66})
        EXPECT_TRUE(books.count(b)) << "book " << b;
    EXPECT_EQ(two_readings, 52) << "every Sunday adds a psalm";
}

TEST(GeneratedBook, BookListHasThe66BooksWithTheChapterCountsOfTheBible)
{
    std::map<int, int> chapters;
    for (const auto& [id, text] : generated().verses)
        chapters[std::get<0>(id)] = std::max(chapters[std::get<0>(id)], std::get<1>(id));
    const auto rows = sqlite_rows(book, "SELECT Lfdnr, buch, maxkapitel FROM Bibel ORDER BY Lfdnr");
    ASSERT_EQ(rows.size(), 66u);
    for (int i = 0; i < 66; ++i) {
        EXPECT_EQ(rows[i][0].toInt(), i + 1);
        EXPECT_EQ(rows[i][2].toInt(), chapters[i + 1]) << "book " << i + 1;
    }
    EXPECT_EQ(rows[0][1].toString(), "1. Mose");
    EXPECT_EQ(rows[65][1].toString(), "Offenbarung");
}

TEST(GeneratedBook, EveryTopicAreaHasItsOwnPictureAndEveryAuthorALastName)
{
    const auto areas = sqlite_rows(book, "SELECT id, bild FROM Bereiche");
    std::set<QString> pictures;
    std::set<qint64> area_ids;
    for (const Row& a : areas) {
        area_ids.insert(a[0].toLongLong());
        pictures.insert(a[1].toString());
        EXPECT_EQ(QImage(QStringLiteral(SELUNAR_DATA_DIR "qov_pics/") + a[1].toString()).size(), QSize(64, 64))
            << a[1].toString().toStdString();
    }
    EXPECT_EQ(pictures.size(), areas.size());

    // First names include a Null and an empty one; one author wrote nothing.
    const auto authors = sqlite_rows(book, "SELECT AID, Vorname, Nachname FROM AutorenNeu");
    int null_first = 0, empty_first = 0;
    std::set<qint64> aids, writing;
    for (const Row& a : authors) {
        aids.insert(a[0].toLongLong());
        null_first += a[1].isValid() ? 0 : 1;
        empty_first += a[1].isValid() && a[1].toString().isEmpty() ? 1 : 0;
        EXPECT_FALSE(a[2].toString().isEmpty());
    }
    EXPECT_GE(null_first, 1);
    EXPECT_GE(empty_first, 1);
    for (const Row& r : generated().days) {
        EXPECT_TRUE(area_ids.count(r[bereich].toLongLong())) << r[datum].toString().toStdString();
        EXPECT_TRUE(aids.count(r[aid].toLongLong())) << r[datum].toString().toStdString();
        writing.insert(r[aid].toLongLong());
    }
    EXPECT_LT(writing.size(), aids.size());
}

TEST(GeneratedBook, ACommonWordIsFoundOnManyDaysARareWordOnFew)
{
    EXPECT_GE(sqlite_value(book, "SELECT count(*) FROM QOV WHERE Thema LIKE '%Gott%' OR Text LIKE '%Gott%'").toInt(), 24);
    for (const RareWord& w : rare_words) {
        QStringList dates;
        for (const Row& r : sqlite_rows(book, QString("SELECT Datum FROM QOV WHERE Thema LIKE '%%1%' OR Text LIKE "
                                                      "'%%1%' ORDER BY Datum").arg(QString::fromUtf8(w.word))))
            dates << r[0].toString();
        EXPECT_EQ(dates.join(';'), QString(w.dates)) << w.word;
        EXPECT_LE(dates.size(), 3);
    }
}

} // namespace
