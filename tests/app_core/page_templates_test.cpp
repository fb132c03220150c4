// SPDX-License-Identifier: GPL-2.0-or-later
#include "page_templates.h"

#include "StdUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ReadTemplate, PicturePathsBecomeAbsoluteAndAMissingFileThrows)
{
    QTemporaryDir dir;
    const QString apppath = dir.path() + u'/';
    const std::pair<QString, QString> cases[] = {
        {u"<img src=\"../qov_pics/a.png\"><img src=\"../qov_pics/b.png\">"_qs,
         u"<img src=\"%1qov_pics/a.png\"><img src=\"%1qov_pics/b.png\">"_qs.arg(apppath)},
        {u"<p>qov_pics/ ../bilder/x.png</p>\r\n"_qs, u"<p>qov_pics/ ../bilder/x.png</p>\r\n"_qs}};
    for (const auto& [text, expected] : cases) {
        QFile file(apppath + u"t.htm"_qs);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        file.close();
        EXPECT_EQ(read_template(apppath + u"t.htm"_qs, apppath + u"qov_pics/"_qs), expected);
    }
    EXPECT_THROW(read_template(apppath + u"qovfiles/fehlt.htm"_qs, apppath), TextFileError);
}

TEST(CutDayTemplate, BlockBetweenTheMarkersIsCutOut)
{
    const struct {
        QString text, tplday, tplbibelst;
    } cases[] = {
        {u"A<!-- #BibelStart#<a>#Bibelst#</a> #BibelEnd# -->B"_qs, u"A<!--  -->B"_qs, u"<a>#Bibelst#</a> "_qs},
        {u"<p>#Datum#</p>"_qs, u"<p>#Datum#</p>"_qs, {}},
        // Only the end marker: the text after it follows the whole text.
        {u"A#BibelEnd#B"_qs, u"A#BibelEnd#BB"_qs, {}},
        // A start without an end keeps the rest as the block.
        {u"A#BibelStart#B"_qs, u"A"_qs, u"B"_qs}};
    for (const auto& c : cases) {
        const DayTemplate cut = cut_day_template(c.text);
        EXPECT_EQ(cut.tplday, c.tplday) << c.text.toStdString();
        EXPECT_EQ(cut.tplbibelst, c.tplbibelst) << c.text.toStdString();
    }
}

TEST(CutChapterTemplate, VerseBlockBecomesThePlaceholderOrItIsAppended)
{
    const ChapterTemplate cut = cut_chapter_template(u"<h1>#Buch#</h1>\r\n#VersStart#<p>#Vers#</p>#VersEnd#\r\nEnde"_qs);
    EXPECT_EQ(cut.tplbibel, u"<h1>#Buch#</h1>\r\n#VERS#\r\nEnde"_qs);
    EXPECT_EQ(cut.tplvers, u"<p>#Vers#</p>"_qs);
    const ChapterTemplate none = cut_chapter_template(u"<h1>#Buch#</h1>"_qs);
    EXPECT_EQ(none.tplbibel, u"<h1>#Buch#</h1>#VERS#"_qs);
    EXPECT_EQ(none.tplvers, QString());
}
