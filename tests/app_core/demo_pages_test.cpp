// Whole pages built from the demo data in the program folder, compared with
// the expected pages in tests/app_core/data ("@APPPATH@" stands for the
// program folder).
#include "bible_result_list.h"
#include "chapter_page.h"
#include "day_page.h"
#include "query_parsing.h"
#include "result_list.h"
#include "search_queries.h"
#include "startup.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class DemoPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(apppath + u"qov.mdb"_qs))
            GTEST_SKIP() << "no demo data in " << apppath.toStdString();
        state = load_form_resources(apppath);
    }

    QString expected(const char* name) const
    {
        QFile file(QStringLiteral(SELUNAR_APP_CORE_TEST_DATA "/") + QString::fromLatin1(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return QString::fromUtf8(file.readAll()).replace(u"@APPPATH@"_qs, apppath);
    }

    QString day(QDate date)
    {
        return loadday(date, *state.rsQov, *state.db, state.tplday, state.tplbibelst, state.lists.bereiche,
                       state.suchworte);
    }

    const QString apppath = QStringLiteral(SELUNAR_DATA_DIR);
    FormState state;
};

} // namespace

TEST_F(DemoPages, DayWithThreeReferencesAndNoHoliday)
{
    EXPECT_EQ(day(QDate(2024, 1, 18)), expected("day_2024-01-18.htm"));
}

TEST_F(DemoPages, HolidayWithSearchWordsInTopicAndText)
{
    state.suchworte = u"FREUDE;"_qs;
    EXPECT_EQ(day(QDate(2024, 1, 6)), expected("day_2024-01-06.htm"));
}

TEST_F(DemoPages, PsalmWithHighlightedVerses)
{
    EXPECT_EQ(renderchap(19, 23, *state.rsTexte, state.tplbibel, state.tplvers, state.lists.buecher, u"19_23_1-3"_qs),
              expected("psalm_23.htm"));
}

TEST_F(DemoPages, DevotionalFullTextList)
{
    const SearchCondition thema = parsesql(u"thema"_qs, u"Leuchtturm"_qs);
    const SearchQuery query = book_full_text_query(thema.condition, parsesql(u"text"_qs, u"Leuchtturm"_qs).condition);
    EXPECT_EQ(displiste(*state.db, query.sql, query.cap, state.tplliste, state.lists.bereiche, thema.suchworte),
              expected("liste_leuchtturm.htm"));
}

TEST_F(DemoPages, BibleFullTextList)
{
    const SearchCondition verse = parsesql(u"Bible_text"_qs, u"Maulbeerfeigenbaum"_qs);
    const SearchQuery query = bible_full_text_query(verse.condition);
    EXPECT_EQ(dispbibelliste(*state.bibeldb, query.sql, query.cap, state.tplbibelliste, state.lists.buecher,
                             verse.suchworte),
              expected("bibel_maulbeerfeigenbaum.htm"));
}

TEST_F(DemoPages, LookupListsHaveNoProblems)
{
    EXPECT_TRUE(state.lists.problems.isEmpty()) << state.lists.problems.join(u'\n').toStdString();
    EXPECT_EQ(state.lists.books.size(), 66u);
}
