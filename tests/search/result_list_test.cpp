#include "result_list.h"

#include "database.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString tplliste =
    u"HEAD<!--X-->[GOTO#Datum#|#Datum#|#Bereich#|#Bibelstelle#|#Thema#|#Autor#]<!--X-->TAIL"_qs;

const QString notice = u"<tr><td></td><td colspan=\"5\"><font face=\"Verdana, Arial, Helvetica\" size=\"2\">"
                       "<br><font color=\"red\">Es wurden mehr als %1 Einträge gefunden.<br>"
                       "Bitte präzisieren Sie die Suche.</font></font></td></tr>"_qs;

class ResultList : public ::testing::Test {
protected:
    // A table with the fields of the list query; `days` rows from 1 January 2024.
    void write(int days, const QStringList& more = {})
    {
        ASSERT_TRUE(dir.isValid());
        QStringList sql{u"CREATE TABLE liste (datum DATETIME, Bereich INTEGER, Bibelstelle TEXT,"
                        " Thema TEXT, Vorname TEXT, Nachname TEXT)"_qs};
        for (int i = 0; i < days; ++i) {
            sql << u"INSERT INTO liste VALUES ('%1', 1, 'Ps %2', 'Thema %2', 'Anna', 'Schmidt')"_qs
                       .arg(QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate))
                       .arg(i + 1);
        }
        sql << more;
        const QString path = dir.filePath(u"qov.mdb"_qs);
        ASSERT_TRUE(write_sqlite_file(path, sql));
        db = OpenDatabase(path);
    }

    QString list(int anzentry, const QString& suchworte = {})
    {
        return displiste(*db, u"select * from liste order by datum"_qs, anzentry, tplliste, bereiche, suchworte);
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Bereiche bereiche{{}, {u"Familie"_qs, u"familie.png"_qs, 1}};
};

} // namespace

TEST_F(ResultList, RowFilledInPlaceholderOrder)
{
    write(0, {u"INSERT INTO liste VALUES ('2024-03-05', 1, 'Joh 3,16', 'Gottes Liebe', 'Anna', 'Schmidt')"_qs});
    EXPECT_EQ(list(100, u"GOTT;"_qs),
              u"HEAD[GOTO05.03.2024||05.03.24|Familie|Joh 3,16|<b>Gott</b>es Liebe|Anna Schmidt]TAIL"_qs);
}

TEST_F(ResultList, DayLinkIsNotDisturbedByTheLaterDatePlaceholder)
{
    write(0, {u"INSERT INTO liste VALUES ('2024-03-05', 1, '', '', '', '')"_qs});
    const QString page = displiste(*db, u"select * from liste"_qs, 100,
                                   u"<!--X--><a href=\"GOTO#Datum#\">#Datum#</a> #Datum#<!--X-->"_qs, bereiche, {});
    EXPECT_EQ(page, u"<a href=\"GOTO05.03.2024|\">05.03.24</a> 05.03.24"_qs);
}

TEST_F(ResultList, NoRowGivesHeadAndTail)
{
    write(0);
    EXPECT_EQ(list(100), u"HEADTAIL"_qs);
}

TEST_F(ResultList, ExactlyTheCapListsAllWithoutNotice)
{
    write(3);
    const QString page = list(3);
    EXPECT_EQ(page.count(u"[GOTO"_qs), 3);
    EXPECT_FALSE(page.contains(u"Es wurden"_qs));
}

TEST_F(ResultList, OneRowOverTheCapIsListedAndNoticed)
{
    write(4);
    const QString page = list(3);
    EXPECT_EQ(page.count(u"[GOTO"_qs), 4);
    EXPECT_TRUE(page.endsWith(notice.arg(3) + u"TAIL"_qs)) << page.toStdString();
}

TEST_F(ResultList, ManyRowsStopAtCapPlusOneWithNoticeNamingTheCap)
{
    write(150);
    const QString page = list(100);
    EXPECT_EQ(page.count(u"[GOTO"_qs), 101);
    EXPECT_TRUE(page.contains(u"|Thema 101|"_qs));
    EXPECT_FALSE(page.contains(u"|Thema 102|"_qs));
    EXPECT_TRUE(page.endsWith(notice.arg(100) + u"TAIL"_qs));
}

TEST_F(ResultList, NullsAndUnknownTopicsGiveEmptyCells)
{
    write(0, {u"INSERT INTO liste VALUES ('2024-03-05', NULL, NULL, NULL, NULL, 'Meier')"_qs,
              u"INSERT INTO liste VALUES ('2024-03-06', 7, 'Ps 1', 'T', ' Paul ', NULL)"_qs,
              u"INSERT INTO liste VALUES (NULL, 1, 'Ps 2', 'U', 'Eva', 'Ost')"_qs});
    EXPECT_EQ(list(100),
              u"HEAD[GOTO|||Familie|Ps 2|U|Eva Ost]"
              "[GOTO05.03.2024||05.03.24||||Meier]"
              "[GOTO06.03.2024||06.03.24||Ps 1|T|Paul]TAIL"_qs);
}

TEST_F(ResultList, RejectedQueryThrows)
{
    write(1);
    EXPECT_THROW(displiste(*db, u"select * from nirgends"_qs, 100, tplliste, bereiche, {}), DatabaseError);
}
