// SPDX-License-Identifier: GPL-2.0-or-later
#include "sql_dialect.h"

#include <gtest/gtest.h>

TEST(SqlDialect, SelectTopBecomesLimitAtTheEndOfItsSelect)
{
    EXPECT_EQ(translate_access_sql(u"select top 100 * from texte where (Bible_text like '*Gott*') "
                                   "order by book,chapter,verse"_qs),
              u"select * from texte where (Bible_text like '*Gott*') order by book,chapter,verse LIMIT 100"_qs);
    EXPECT_EQ(translate_access_sql(u"SELECT DISTINCT TOP 5 book FROM texte;"_qs),
              u"SELECT DISTINCT book FROM texte LIMIT 5;"_qs);
    EXPECT_EQ(translate_access_sql(u"select * from (select top 3 * from t order by a) order by b"_qs),
              u"select * from (select * from t order by a LIMIT 3) order by b"_qs);
    EXPECT_EQ(translate_access_sql(u"select top 1 x from (select top 2 y from (select top 3 z from t)) "_qs),
              u"select x from (select y from (select z from t LIMIT 3) LIMIT 2) LIMIT 1 "_qs);
}

TEST(SqlDialect, EverythingElsePassesUnchanged)
{
    for (const QString& sql : {u"select * from vw1qov where aid=12 order by datum"_qs,
                               u"select * from t where a = 'select top 5 x' and [select top 1] = \"top 2\""_qs,
                               u"select top from t"_qs, u"select top x from t"_qs,
                               u"select * from t where name = 'O''Neil top 3'"_qs, u"select 'unclosed top 1"_qs,
                               QString()})
        EXPECT_EQ(translate_access_sql(sql), sql);
}
