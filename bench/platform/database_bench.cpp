// SPDX-License-Identifier: GPL-2.0-or-later
// The database work behind the reader's pages: the full-text search over all
// verses of the Bible, the day's seek by date and the chapter's seek by book
// and chapter.

#include "database.h"
#include "like_pattern.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

Database& bible()
{
    static const std::unique_ptr<Database> db = OpenDatabase(
        QStringLiteral(SELUNAR_JET_FIXTURES "/bible_big.mdb"), false, false, QStringLiteral("MS Access;PWD=Murb64#7;"));
    return *db;
}

// Words that occur in no verse, so every verse is read: one starting with a
// rare letter, one with a letter that starts many words (and a common word,
// "Gott"), one with an umlaut.
const QStringList search_words = {QStringLiteral("Jerusalem"), QStringLiteral("Gottesfurcht"),
                                  QStringLiteral("Übermut")};

void BM_BibleFullTextSearch(benchmark::State& state)
{
    const QString word = search_words[state.range(0)];
    const QString sql = QStringLiteral("select top 100 * from texte where (Bible_text like '*%1*') "
                                       "order by book,chapter,verse")
                            .arg(word);
    Database& db = bible();
    for (auto _ : state) {
        auto rs = db.OpenRecordset(sql);
        benchmark::DoNotOptimize(rs->RecordCount());
    }
    state.SetLabel(word.toStdString());
}
BENCHMARK(BM_BibleFullTextSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Where the time of the search goes: SQLite's walk over the verses in index
// order with a LIKE that fails on the first character...
void BM_BibleScanWithoutSearch(benchmark::State& state)
{
    Database& db = bible();
    for (auto _ : state) {
        auto rs = db.OpenRecordset(QStringLiteral("select top 100 * from texte where (Bible_text like 'Jerusalem') "
                                                  "order by book,chapter,verse"));
        benchmark::DoNotOptimize(rs->RecordCount());
    }
}
BENCHMARK(BM_BibleScanWithoutSearch)->Unit(benchmark::kMillisecond);

// ... and the pattern's search through the verse texts alone.
void BM_LikePatternOverAllVerses(benchmark::State& state)
{
    static const std::vector<std::string> verses = [] {
        std::vector<std::string> texts;
        for (auto rs = bible().OpenRecordset(QStringLiteral("select Bible_Text from texte")); !rs->Eof(); rs->MoveNext())
            texts.push_back(rs->Fields(QStringLiteral("Bible_Text")).toString().toStdString());
        return texts;
    }();
    const QString word = search_words[state.range(0)];
    const LikePattern pattern(u'*' + word + u'*');
    for (auto _ : state) {
        int found = 0;
        for (const std::string& verse : verses)
            found += pattern.matches_utf8(verse);
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(word.toStdString());
}
BENCHMARK(BM_LikePatternOverAllVerses)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A frequent word: the search stops after 100 verses.
void BM_BibleFullTextSearchFrequentWord(benchmark::State& state)
{
    Database& db = bible();
    for (auto _ : state) {
        auto rs = db.OpenRecordset(QStringLiteral("select top 100 * from texte where (Bible_text like '*Gott*') "
                                                  "order by book,chapter,verse"));
        benchmark::DoNotOptimize(rs->RecordCount());
    }
}
BENCHMARK(BM_BibleFullTextSearchFrequentWord)->Unit(benchmark::kMillisecond);

// The chapter page: seek the chapter's first verse, read its verses.
void BM_SeekChapter(benchmark::State& state)
{
    auto texte = bible().OpenRecordset(QStringLiteral("texte"));
    texte->setIndex(QStringLiteral("book"));
    int book = 1;
    for (auto _ : state) {
        texte->Seek(QStringLiteral(">="), {book, 3});
        for (int verses = 0; !texte->Eof() && texte->Fields(QStringLiteral("chapter")).toInt() == 3; ++verses) {
            benchmark::DoNotOptimize(texte->Fields(QStringLiteral("Bible_Text")));
            texte->MoveNext();
        }
        book = book % 60 + 1;
    }
}
BENCHMARK(BM_SeekChapter)->Unit(benchmark::kMicrosecond);

// A devotional table of one year with texts of a page each.
QString write_year_of_devotionals(const QString& folder)
{
    const QString path = folder + QStringLiteral("/qov.sqlite");
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    QString sql = QStringLiteral("PRAGMA synchronous = OFF; BEGIN;"
                                 "CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT,"
                                 " bcv1 TEXT, Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT, Bibellese TEXT, bcv2 TEXT,"
                                 " bereich INTEGER, AID INTEGER);"
                                 "CREATE INDEX Datum ON QOV (Datum);");
    const QString text(2000, u'x');
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1))
        sql += QStringLiteral("INSERT INTO QOV VALUES ('%1', NULL, '%2', 'Johannes 3,16', '43_3_16', 'Thema', '%2',"
                              " 'Frage', 'Tipp', 'Psalm 23', '19_23_1', 1, 1);")
                   .arg(day.toString(Qt::ISODate), text);
    sql += QStringLiteral("COMMIT;");
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("could not write the devotional table");
    return path;
}

// The day page: seek the day by its date, read its fields.
void BM_SeekDate(benchmark::State& state)
{
    QTemporaryDir folder;
    auto db = OpenDatabase(write_year_of_devotionals(folder.path()));
    auto qov = db->OpenRecordset(QStringLiteral("QOV"));
    qov->setIndex(QStringLiteral("Datum"));
    QDate day(2024, 1, 1);
    for (auto _ : state) {
        qov->Seek(QStringLiteral("="), {day});
        for (const char* field : {"Datum", "feiertag", "Leitvers", "Bibelstelle", "bcv1", "Thema", "Text"})
            benchmark::DoNotOptimize(qov->Fields(QString::fromLatin1(field)));
        day = day.month() == 12 && day.day() == 31 ? QDate(2024, 1, 1) : day.addDays(1);
    }
}
BENCHMARK(BM_SeekDate)->Unit(benchmark::kMicrosecond);

} // namespace
