// SPDX-License-Identifier: GPL-2.0-or-later
// The quick search's rules: folding, query words, typed references and dates
// on their own, and the index and its answers over the demo data.

#include "database.h"
#include "folding.h"
#include "lookup_lists.h"
#include "quick_query.h"
#include "quick_results.h"
#include "typed_place.h"

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

QString folded(const char16_t* word)
{
    return QString::fromStdU16String(fold_word(QStringView(word)));
}

TEST(QuickSearchRules, FoldsGermanSpellingsAndReadsQueries)
{
    const std::pair<const char16_t*, const char16_t*> folds[] = {
        {u"Füße", u"fusse"}, {u"Fuesse", u"fusse"}, {u"FUSSE", u"fusse"}, {u"daß", u"dass"},
        {u"Ägypten", u"agypten"}, {u"AEGYPTEN", u"agypten"}, {u"Söhne", u"sohne"}, {u"Soehne", u"sohne"},
        // ue after a vowel or q stays; so does an e after e, i or u.
        {u"Quelle", u"quelle"}, {u"Feuer", u"feuer"}, {u"Bauer", u"bauer"}, {u"Mauer", u"mauer"},
        {u"Israel", u"isral"}, {u"Liebe", u"liebe"}, {u"Abendmahl", u"abendmahl"}, {u"ÜBEL", u"ubel"},
    };
    for (const auto& [word, expected] : folds)
        EXPECT_EQ(folded(word), QString::fromUtf16(expected)) << QString::fromUtf16(word).toStdString();

    using G = std::vector<QueryGroup>;
    const auto group = [](std::initializer_list<const char16_t*> words) {
        QueryGroup g;
        for (const char16_t* w : words)
            g.words.emplace_back(w);
        return g;
    };
    const std::pair<const char16_t*, G> queries[] = {
        {u"Hirte", {group({u"hirte"})}},
        {u"  Gute,  Hirte! ", {group({u"gute"}), group({u"hirte"})}},
        {u"\"gute Hirte\" Schafe", {group({u"gute", u"hirte"}), group({u"schafe"})}},
        {u"\"offen bis zum Ende", {group({u"offen", u"bis", u"zum", u"ende"})}},
        {u"*hirte Fuesse", {group({u"*hirte"}), group({u"fusse"})}},
        {u"* -- ?! \"\"", {}},
        {u"", {}},
    };
    for (const auto& [text, expected] : queries)
        EXPECT_EQ(parse_quick_query(QStringView(text)), expected) << QString::fromUtf16(text).toStdString();

    const std::tuple<const char16_t*, const char16_t*, bool> matches[] = {
        {u"hirte", u"hirte", true},      {u"hirte", u"hirtenknabe", true}, {u"hirte", u"oberhirte", false},
        {u"hirte", u"hirt", false},      {u"*hirte", u"oberhirte", true},  {u"*hirte", u"hirten", true},
        {u"h*te", u"hirte", true},       {u"h*te", u"hirt", false},        {u"a*b*c", u"axxbyyc", true},
        {u"a*b*c", u"axxbyy", false},    {u"*", u"", true},                {u"**e", u"see", true},
    };
    for (const auto& [pattern, word, expected] : matches)
        EXPECT_EQ(word_matches(pattern, word), expected)
            << QString::fromUtf16(pattern).toStdString() << " " << QString::fromUtf16(word).toStdString();
}

// The demo book's lists and the index over both demo files, made once.
struct Demo {
    Buecher buecher;
    std::shared_ptr<const SearchIndex> index;
    BookDays days{QDate(2024, 1, 1), QDate(2024, 12, 31)};
};

const Demo& demo()
{
    static const Demo made = [] {
        const std::unique_ptr<Database> book = OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "qov.mdb"));
        const std::unique_ptr<Database> bible = OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR "elberfelderbibel.mdb"));
        const std::atomic<bool> go{false};
        Demo d;
        d.buecher = setcombo(*book).buecher;
        d.index = std::make_shared<const SearchIndex>(read_corpus(std::vector<Database*>{book.get()}, *bible, go), go);
        return d;
    }();
    return made;
}

TEST(QuickSearchRules, ReadsTypedReferencesAndDates)
{
    using R = std::optional<TypedReference>;
    const std::pair<const char16_t*, R> references[] = {
        {u"Joh 3,16", TypedReference{43, 3, 16, 16}},    {u"Johannes 3:16", TypedReference{43, 3, 16, 16}},
        {u"1. Mose 1,1-3", TypedReference{1, 1, 1, 3}},  {u"1 Mose 2", TypedReference{1, 2, 0, 0}},
        {u"1Mo", TypedReference{1, 1, 0, 0}},            {u"1.mo 4 , 2", TypedReference{1, 4, 2, 2}},
        {u"Ps 23", TypedReference{19, 23, 0, 0}},        {u"Röm 8,28-30", TypedReference{45, 8, 28, 30}},
        {u"roem 8,30-28", TypedReference{45, 8, 28, 30}}, {u"Jes 40, 31", TypedReference{23, 40, 31, 31}},
        {u"2 KOENIGE 5", TypedReference{12, 5, 0, 0}},   {u"3 Joh", TypedReference{64, 1, 0, 0}},
        {u"offb. 22,21", TypedReference{66, 22, 21, 21}}, {u"Hoheslied", TypedReference{22, 1, 0, 0}},
        {u"Johannes 22", TypedReference{43, 22, 0, 0}},
        {u"Hirte", R{}}, {u"Jo 3", R{}}, {u"6Mo 1", R{}}, {u"Joh 3,", R{}}, {u"Joh 3,16 Liebe", R{}}, {u"", R{}},
    };
    for (const auto& [text, expected] : references)
        EXPECT_EQ(read_typed_reference(QStringView(text), demo().buecher), expected)
            << QString::fromUtf16(text).toStdString();

    using D = std::optional<QDate>;
    const std::pair<const char16_t*, D> dates[] = {
        {u"24.12.", QDate(2024, 12, 24)},    {u"24.12.2025", QDate(2025, 12, 24)}, {u"5. März", QDate(2024, 3, 5)},
        {u"5 maerz 2023", QDate(2023, 3, 5)}, {u"5. Dez.", QDate(2024, 12, 5)},   {u"1.Mai", QDate(2024, 5, 1)},
        {u"31. Februar", D{}},               {u"5. Ma", D{}},                      {u"März", D{}},
        {u"Hirte", D{}},
    };
    for (const auto& [text, expected] : dates)
        EXPECT_EQ(read_typed_date(QStringView(text), 2024), expected) << QString::fromUtf16(text).toStdString();
}

// The labels of a search's entries: where each stands.
QStringList labels(const QuickResults& results)
{
    QStringList out;
    for (int i = 0; i < results.size(); ++i)
        out.append(results.entry(i).label);
    return out;
}

QuickResults run(const char16_t* text)
{
    return QuickResults(demo().index, demo().buecher, demo().days, QStringView(text));
}

TEST(QuickSearchIndex, FindsWordsPrefixesPhrasesAndFoldedSpellings)
{
    // "Maulbeerfeigenbäume" begins with it, too.
    EXPECT_EQ(labels(run(u"Maulbeerfeigenbaum")),
              (QStringList{u"Psalm 78,47"_qs, u"Lukas 17,6"_qs, u"Lukas 19,4"_qs}));
    EXPECT_EQ(labels(run(u"\"gute Hirte\"")), (QStringList{u"Johannes 10,11"_qs, u"Johannes 10,14"_qs}));
    // The same words anywhere in the verse, in any order.
    EXPECT_EQ(labels(run(u"Hirte gute")), labels(run(u"\"gute Hirte\"")));
    EXPECT_EQ(run(u"\"Hirte gute\"").size(), 0);
    EXPECT_EQ(labels(run(u"Fuesse")), labels(run(u"Füße")));
    EXPECT_EQ(labels(run(u"FUSSE")), labels(run(u"Füße")));
    EXPECT_TRUE(labels(run(u"dass")).contains(u"1. Mose 1,4"_qs));
    EXPECT_TRUE(labels(run(u"Aegypten")).contains(u"1. Mose 12,10"_qs));
    // Beginnings only, unless a star says otherwise.
    const QuickResults hirte = run(u"Hirte");
    EXPECT_EQ(labels(run(u"Erzhirte")), QStringList{u"1. Petrus 5,4"_qs});
    EXPECT_EQ(run(u"*hirte").verses(), hirte.verses() + 1 + run(u"Schafhirte").verses());
    EXPECT_TRUE(labels(hirte).contains(u"Psalm 23,1"_qs));
    EXPECT_FALSE(labels(hirte).contains(u"1. Petrus 5,4"_qs));
    EXPECT_TRUE(labels(run(u"Erz*te")).contains(u"1. Petrus 5,4"_qs));
    EXPECT_EQ(run(u"Hirt.").verses(), run(u"hirt").verses());
    EXPECT_EQ(run(u"--- !").size(), 0);
    EXPECT_EQ(run(u"Leuchtturm").days(), 1);
    EXPECT_EQ(labels(run(u"Leuchtturm")), QStringList{u"Dienstag, 12. März 2024"_qs});

    // Days in date order before verses in Bible order; each verse marked.
    const QuickResults gott = run(u"Gott");
    ASSERT_GT(gott.days(), 100);
    ASSERT_GT(gott.verses(), 3000);
    QString last_day, last_key;
    for (int i = 0; i < gott.days(); ++i) {
        const QuickEntry entry = gott.entry(i);
        EXPECT_EQ(entry.kind, QuickEntry::Kind::day);
        EXPECT_LT(last_day, entry.target);
        last_day = entry.target;
    }
    EXPECT_EQ(gott.entry(gott.days()).label, u"1. Mose 1,1"_qs);
    EXPECT_EQ(gott.entry(gott.size() - 1).kind, QuickEntry::Kind::verse);
    EXPECT_TRUE(gott.entry(gott.days()).text.contains(u"<b>Gott</b>"_qs)) << gott.entry(gott.days()).text.toStdString();
    EXPECT_EQ(run(u"Maulbeerfeigenbaum").counts(), u"0 Andachten · 3 Verse in 2 Büchern"_qs);
    EXPECT_EQ(run(u"Erzhirte").counts(), u"0 Andachten · 1 Vers in 1 Buch"_qs);
    EXPECT_EQ(run(u"Leuchtturm").counts(), u"1 Andacht · 0 Verse"_qs);
    EXPECT_EQ(run(u"Leuchtturm").marked_words(0), u"Leuchtturm;"_qs);
    // The topic, then the text around the match, cut at words.
    const QString snippet = run(u"Leuchtturm").entry(0).text;
    EXPECT_TRUE(snippet.startsWith(u"Getragen sein – …unser Leben. An der Küste steht ein alter <b>Leuchtturm</b>. "_qs))
        << snippet.toStdString();
    EXPECT_TRUE(snippet.endsWith(u" So dürfen auch wir an…"_qs)) << snippet.toStdString();
}

TEST(QuickSearchIndex, SearchesEveryFieldButNoPhraseAcrossTwo)
{
    Corpus corpus;
    corpus.days.push_back({QDate(2024, 1, 1), {u"Der gute"_qs, u"Hirte ruft"_qs, {}, {}, {}, u"Ester Abihajil"_qs}});
    corpus.days.push_back({QDate(2024, 1, 2), {u"Kein Titel"_qs}});
    corpus.verses = {{1, 1, 1, u"Der gute Hirte"_qs}, {1, 1, 2, {}}};
    const std::atomic<bool> go{false};
    const auto index = std::make_shared<const SearchIndex>(corpus, go);
    const auto found = [&](const char16_t* text) { return labels(QuickResults(index, {}, {}, QStringView(text))); };
    EXPECT_EQ(found(u"gute Hirte"), (QStringList{u"Montag, 1. Januar 2024"_qs, u"1 1,1"_qs}));
    EXPECT_EQ(found(u"\"gute Hirte\""), QStringList{u"1 1,1"_qs});
    EXPECT_EQ(found(u"abihajil"), QStringList{u"Montag, 1. Januar 2024"_qs});
    EXPECT_EQ(found(u"Titel"), QStringList{u"Dienstag, 2. Januar 2024"_qs});
}

TEST(QuickSearchIndex, FurtherTranslationsAreSearchedAndNamedButTypedPlacesAreTheBooksBible)
{
    Corpus corpus;
    corpus.verses = {{1, 1, 1, u"Im Anfang schuf Gott"_qs}, {1, 1, 2, u"Und die Erde war wüst"_qs},
                     {1, 1, 1, u"In the beginning God created"_qs, 1}, {1, 1, 2, u"And the earth"_qs, 1},
                     {1, 1, 3, u"And God said"_qs, 1}};
    corpus.translations = {u"Elberfelder"_qs, u"KJV"_qs};
    EXPECT_EQ(book_verse_counts(corpus)[0], std::vector<int>{2});
    const std::atomic<bool> go{false};
    const auto index = std::make_shared<const SearchIndex>(corpus, go);
    const auto found = [&](const char16_t* text) { return labels(QuickResults(index, {}, {}, QStringView(text))); };
    EXPECT_EQ(found(u"Gott"), QStringList{u"1 1,1 (Elberfelder)"_qs});
    EXPECT_EQ(found(u"God"), (QStringList{u"1 1,1 (KJV)"_qs, u"1 1,3 (KJV)"_qs}));
    EXPECT_EQ(QuickResults(index, {}, {}, u"God").books(), 1);

    EXPECT_EQ(index->book_verse_count(), 2);
    EXPECT_EQ(index->find_verse(1, 1, 1), 0);
    EXPECT_EQ(index->find_verse(1, 1, 3), std::nullopt);
    EXPECT_EQ(index->last_verse(1, 1), 2);
    EXPECT_EQ(passage_text(*index, {}, u"1_1_0"_qs), u"1 1\n1 Im Anfang schuf Gott\n2 Und die Erde war wüst"_qs);
}

TEST(QuickSearchIndex, SearchesEveryEditionInDateOrderAndTypedDatesInTheShownYear)
{
    // The demo's two books read in the order 2025, 2024, and 2025 once more
    // as if from another folder: 2024's days come first, and the two of 2025
    // follow each other date by date in the order they were read.
    const auto open = [](const char* file) { return OpenDatabase(QStringLiteral(SELUNAR_DATA_DIR) + QLatin1String(file)); };
    const std::unique_ptr<Database> book2025 = open("2025/qov.mdb"), book2024 = open("qov.mdb");
    const std::unique_ptr<Database> bible = open("elberfelderbibel.mdb");
    const std::atomic<bool> go{false};
    const Corpus corpus =
        read_corpus(std::vector<Database*>{book2025.get(), book2024.get(), book2025.get()}, *bible, go);
    ASSERT_EQ(corpus.days.size(), 366u + 2 * 365u);
    EXPECT_EQ(corpus.days[0].date, QDate(2024, 1, 1));
    EXPECT_EQ(corpus.days[0].edition, 1);
    EXPECT_EQ(corpus.days[366].date, QDate(2025, 1, 1));
    EXPECT_EQ(corpus.days[367].date, QDate(2025, 1, 1));
    EXPECT_EQ(std::pair(corpus.days[366].edition, corpus.days[367].edition), std::pair(0, 2));
    EXPECT_TRUE(std::is_sorted(corpus.days.begin(), corpus.days.end(),
                               [](const CorpusDay& a, const CorpusDay& b) { return a.date < b.date; }));

    const auto index = std::make_shared<const SearchIndex>(corpus, go);
    const std::vector<BookDays> editions{{QDate(2025, 1, 1), QDate(2025, 12, 31)},
                                         {QDate(2024, 1, 1), QDate(2024, 12, 31)},
                                         {QDate(2025, 1, 1), QDate(2025, 12, 31)}};
    const auto entries = [&](const char16_t* text, int shown) {
        const QuickResults results(index, demo().buecher, BookYears(editions, shown), QStringView(text));
        QStringList out;
        for (int i = 0; i < results.size() && results.entry(i).kind != QuickEntry::Kind::verse; ++i)
            out.append(results.entry(i).target + u' ' + QString::number(results.entry(i).edition));
        return out;
    };
    // "Sanduhr" stands in 2025's book only, on 11 February.
    EXPECT_EQ(entries(u"Sanduhr", 0), (QStringList{u"2025-02-11 0"_qs, u"2025-02-11 2"_qs}));
    // A date without its year is in the shown edition's year, one with its
    // year in the shown edition when it holds it, else in the first that does.
    // (The date comes first; days with the numbers in their text follow.)
    EXPECT_EQ(entries(u"5.3.", 1).value(0), u"2024-03-05 1"_qs);
    EXPECT_EQ(entries(u"5.3.", 2).value(0), u"2025-03-05 2"_qs);
    EXPECT_EQ(entries(u"5.3.2025", 1).value(0), u"2025-03-05 0"_qs);
    EXPECT_EQ(entries(u"5.3.2025", 2).value(0), u"2025-03-05 2"_qs);
    EXPECT_EQ(entries(u"5.3.2026", 0).value(0), u" -1"_qs);
}

TEST(QuickSearchIndex, PutsTypedPlacesFirstAndShowsPassages)
{
    using K = QuickEntry::Kind;
    const std::tuple<const char16_t*, K, const char16_t*, const char16_t*> heads[] = {
        {u"Joh 3,16", K::reference, u"43_3_16", u"Johannes 3,16"},
        {u"Röm 8,28-30", K::reference, u"45_8_28-30", u"Römer 8,28-30"},
        {u"Ps 23", K::reference, u"19_23_0", u"Psalm 23"},
        {u"Johannes 22", K::notice, u"", u"Johannes hat 21 Kapitel"},
        {u"Joh 0", K::notice, u"", u"Johannes hat 21 Kapitel"},
        {u"Joh 3,37", K::notice, u"", u"Johannes 3 hat 36 Verse"},
        {u"Joh 3,36-37", K::notice, u"", u"Johannes 3 hat 36 Verse"},
        {u"5. März", K::date, u"2024-03-05", u"Dienstag, 5. März 2024"},
        {u"24.12.2025", K::notice, u"", u"Keine Andacht am Mittwoch, 24. Dezember 2025"},
    };
    for (const auto& [text, kind, target, label] : heads) {
        const QuickResults results = run(text);
        ASSERT_GT(results.size(), 0) << QString::fromUtf16(text).toStdString();
        const QuickEntry first = results.entry(0);
        EXPECT_EQ(first.kind, kind) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(first.target, QString::fromUtf16(target));
        EXPECT_EQ(first.label, QString::fromUtf16(label));
    }
    EXPECT_TRUE(run(u"Joh 3,16").entry(0).text.startsWith(u"Denn also hat Gott"_qs)) << run(u"Joh 3,16").entry(0).text.toStdString();

    // Without the index a typed place is still offered, after the notice.
    const QuickResults pending(nullptr, demo().buecher, demo().days, u"Joh 3,16");
    EXPECT_EQ(labels(pending), (QStringList{index_pending_notice(), u"Johannes 3,16"_qs}));

    const SearchIndex& index = *demo().index;
    const QString psalm = passage_text(index, demo().buecher, u"19_23_0"_qs);
    const QStringList lines = psalm.split(u'\n');
    ASSERT_EQ(lines.size(), 7) << psalm.toStdString();
    EXPECT_EQ(lines[0], u"Psalm 23"_qs);
    EXPECT_TRUE(lines[1].startsWith(u"1 Ein Psalm von David"_qs));
    EXPECT_TRUE(lines[5].startsWith(u"5 "_qs));
    EXPECT_EQ(lines[6], u"…"_qs);
    EXPECT_EQ(passage_text(index, demo().buecher, u"43_3_16-17"_qs).count(u'\n'), 2);
    EXPECT_TRUE(passage_text(index, demo().buecher, u"1_2,25-3,1"_qs).startsWith(u"1. Mose 2,25-3,1\n25 "_qs));
    EXPECT_EQ(passage_text(index, demo().buecher, u"43_30_1"_qs), QString());
    EXPECT_EQ(passage_text(index, demo().buecher, u"x"_qs), QString());
}

TEST(QuickSearchNotes, MatchAsTheIndexDoesAndComeAfterTheTypedPlace)
{
    // Each row: note text, query, the text with the words marked in [].
    const std::tuple<const char16_t*, const char16_t*, const char16_t*> rows[] = {
        {u"Der gute Hirte führt", u"\"gute hirte\"", u"Der [gute] [Hirte] führt"},
        {u"Der gute Hirte", u"\"hirte gute\"", u""},
        {u"Hirten und Schafe", u"schaf HIRTE", u"[Hirten] und [Schafe]"},
        {u"Hirte", u"hirte schaf", u""},
        {u"Oberhirte", u"hirte", u""},
        {u"Oberhirte", u"*hirte", u"[Oberhirte]"},
        {u"Füße, Füße", u"Fuesse", u"[Füße], [Füße]"},
        {u"Hirte", u"", u""},
    };
    for (const auto& [text, query, expected] : rows) {
        QString marked = QString::fromUtf16(text);
        const auto marks = text_marks(marked, parse_quick_query(QStringView(query)));
        for (auto it = marks.rbegin(); it != marks.rend(); ++it)
            marked.insert(it->first + it->second, u']').insert(it->first, u'[');
        EXPECT_EQ(marks.empty() ? QString() : marked, QString::fromUtf16(expected)) << QString::fromUtf16(query).toStdString();
    }

    const std::vector<Note> notes = {{Target::day(QDate(2024, 3, 5)), u"Erste Zeile\n  Psalm 23 <lesen>"_qs},
                                     {Target::verse(19, 23, 1), u"Psalm 23 zuerst"_qs},
                                     {Target::verse(43, 3, 16), u"Anderes"_qs}};
    const QuickResults results(demo().index, demo().buecher, demo().days, u"Ps 23", {}, notes);
    EXPECT_EQ(labels(results).mid(0, 3), (QStringList{u"Psalm 23"_qs, u"Notiz zu Dienstag, 5. März 2024"_qs,
                                                     u"Notiz zu Psalm 23,1"_qs}));
    EXPECT_EQ(results.entry(1), (QuickEntry{QuickEntry::Kind::note, u"2024-03-05"_qs, u"Notiz zu Dienstag, 5. März 2024"_qs,
                                            u"<b>Psalm</b> <b>23</b> &lt;lesen&gt;"_qs}));
    EXPECT_EQ(results.entry(2).target, u"19_23_1"_qs);
    EXPECT_EQ(results.entry(3).kind, QuickEntry::Kind::day);
    EXPECT_TRUE(results.counts().startsWith(u"2 Notizen · "_qs)) << results.counts().toStdString();
    EXPECT_EQ(QuickResults(nullptr, demo().buecher, demo().days, u"zuerst", {}, notes).counts(),
              u"1 Notiz · 0 Andachten · 0 Verse"_qs);
    EXPECT_EQ(QuickResults(nullptr, demo().buecher, demo().days, u"Anderes", {}, notes).entry(1).label,
              u"Notiz zu Johannes 3,16"_qs);
}

} // namespace
