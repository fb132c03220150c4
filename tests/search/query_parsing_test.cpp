// SPDX-License-Identifier: GPL-2.0-or-later
#include "query_parsing.h"

#include <gtest/gtest.h>

TEST(Parsesql, EveryWordBecomesALikeTermAndASearchWord)
{
    struct Case {
        const char* field;
        const char* query;
        const char* condition;
        const char* suchworte;
    };
    const Case cases[] = {
        {"text", "Gott", "(text like '*Gott*')", "GOTT;"},
        // Terms are joined without a blank after AND.
        {"thema", "Gott, Liebe!", "(thema like '*Gott*') AND(thema like '*Liebe*')", "GOTT;LIEBE;"},
        {"Bible_text", "Psalm 90", "(Bible_text like '*Psalm*') AND(Bible_text like '*90*')", "PSALM;90;"},
        {"text", "   Gott \t  Liebe\n", "(text like '*Gott*') AND(text like '*Liebe*')", "GOTT;LIEBE;"},
        {"text", "a a", "(text like '*a*') AND(text like '*a*')", "A;A;"},
        // Only separators, or nothing, give nothing.
        {"text", "  ,.;!?' \"-", "", ""},
        {"text", "", "", ""},
        // Quotes separate words and never reach the condition.
        {"text", "O'Neil", "(text like '*O*') AND(text like '*Neil*')", "O;NEIL;"},
        {"text", "a'--b\"c", "(text like '*a*') AND(text like '*b*') AND(text like '*c*')", "A;B;C;"},
        // Umlauts and ß are letters of a word, other accents separate.
        {"thema", "Größe", "(thema like '*Größe*')", "GRÖßE;"},
        {"thema", "ÄÖÜäöüß", "(thema like '*ÄÖÜäöüß*')", "ÄÖÜÄÖÜß;"},
        {"thema", "café", "(thema like '*caf*')", "CAF;"},
    };
    for (const Case& c : cases) {
        const SearchCondition parsed = parsesql(QString::fromUtf8(c.field), QString::fromUtf8(c.query));
        EXPECT_EQ(parsed.condition, QString::fromUtf8(c.condition)) << c.query;
        EXPECT_EQ(parsed.suchworte, QString::fromUtf8(c.suchworte)) << c.query;
    }
}
