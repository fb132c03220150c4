// SPDX-License-Identifier: GPL-2.0-or-later
#include "result_list.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString tplliste =
    u"HEAD<!--X-->[GOTO#Datum#|#Datum#|#Bereich#|#Bibelstelle#|#Thema#|#Autor#]<!--X-->TAIL"_qs;

class ResultList : public ::testing::Test {
protected:
    // A new table with the fields of the list query: `days` rows from
    // 1 January 2024, then `rows`.
    void write(int days, const QStringList& rows = {})
    {
        QStringList sql{u"CREATE TABLE liste (datum DATETIME, Bereich INTEGER, Bibelstelle TEXT,"
                        " Thema TEXT, Vorname TEXT, Nachname TEXT)"_qs};
        for (int i = 0; i < days; ++i)
            sql << u"INSERT INTO liste VALUES ('%1', 1, 'Ps %2', 'Thema %2', 'Anna', 'Schmidt')"_qs
                       .arg(QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate))
                       .arg(i + 1);
        const QString path = dir.filePath(u"qov%1.mdb"_qs.arg(++files));
        ASSERT_TRUE(sqlite_exec(path, sql + rows));
        db = OpenDatabase(path);
    }

    QString list(int anzentry, const QString& suchworte = {}, const QString& tpl = tplliste)
    {
        return displiste(*db, u"select * from liste order by datum"_qs, anzentry, tpl, bereiche, suchworte);
    }

    QTemporaryDir dir;
    int files = 0;
    std::unique_ptr<Database> db;
    Bereiche bereiche{{}, {u"Familie"_qs, u"familie.png"_qs, 1}};
};

} // namespace

TEST_F(ResultList, RowsFilledInPlaceholderOrderNullsAndUnknownTopicsEmpty)
{
    write(0, {u"INSERT INTO liste VALUES ('2024-03-05', 1, 'Joh 3,16', 'Gottes Liebe', 'Anna', 'Schmidt')"_qs});
    EXPECT_EQ(list(100, u"GOTT;"_qs),
              u"HEAD[GOTO05.03.2024||05.03.24|Familie|Joh 3,16|<b>Gott</b>es Liebe|Anna Schmidt]TAIL"_qs);
    // The day link's date is filled before the later "#Datum#" can take it.
    EXPECT_EQ(list(100, {}, u"<!--X--><a href=\"GOTO#Datum#\">#Datum#</a> #Datum#<!--X-->"_qs),
              u"<a href=\"GOTO05.03.2024|\">05.03.24</a> 05.03.24"_qs);

    write(0, {u"INSERT INTO liste VALUES ('2024-03-05', NULL, NULL, NULL, NULL, 'Meier')"_qs,
              u"INSERT INTO liste VALUES ('2024-03-06', 7, 'Ps 1', 'T', ' Paul ', NULL)"_qs,
              u"INSERT INTO liste VALUES (NULL, 1, 'Ps 2', 'U', 'Eva', 'Ost')"_qs});
    EXPECT_EQ(list(100),
              u"HEAD[GOTO|||Familie|Ps 2|U|Eva Ost]"
              "[GOTO05.03.2024||05.03.24||||Meier]"
              "[GOTO06.03.2024||06.03.24||Ps 1|T|Paul]TAIL"_qs);

    write(0);
    EXPECT_EQ(list(100), u"HEADTAIL"_qs);
}

TEST_F(ResultList, MoreRowsThanTheCapListCapPlusOneAndANoticeNamingTheCap)
{
    const QString notice = u"<tr><td></td><td colspan=\"5\"><font face=\"Verdana, Arial, Helvetica\" size=\"2\">"
                           "<br><font color=\"red\">Es wurden mehr als %1 Einträge gefunden.<br>"
                           "Bitte präzisieren Sie die Suche.</font></font></td></tr>TAIL"_qs;
    struct Case {
        int days, anzentry, listed;
        bool noticed;
    };
    for (const Case c : {Case{3, 3, 3, false}, Case{4, 3, 4, true}, Case{150, 100, 101, true}}) {
        SCOPED_TRACE(c.days);
        write(c.days);
        const QString page = list(c.anzentry);
        EXPECT_EQ(page.count(u"[GOTO"_qs), c.listed);
        EXPECT_TRUE(page.contains(u"|Thema %1|"_qs.arg(c.listed)));
        EXPECT_EQ(page.count(u"Es wurden"_qs), c.noticed ? 1 : 0);
        EXPECT_EQ(page.endsWith(notice.arg(c.anzentry)), c.noticed);
    }
}

TEST_F(ResultList, RejectedQueryThrows)
{
    write(1);
    EXPECT_THROW(displiste(*db, u"select * from nirgends"_qs, 100, tplliste, bereiche, {}), DatabaseError);
}
