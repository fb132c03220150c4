#include "page_templates.h"

#include "StdUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ReadTemplate, PicturePathsBecomeAbsolute)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString apppath = dir.path() + u'/';
    write_file(apppath + u"a.htm"_qs, "<img src=\"../qov_pics/a.png\"><img src=\"../qov_pics/b.png\">");
    EXPECT_EQ(read_template(apppath, u"a.htm"_qs),
              u"<img src=\"%1qov_pics/a.png\"><img src=\"%1qov_pics/b.png\">"_qs.arg(apppath));
}

TEST(ReadTemplate, TemplateWithoutPicturesStaysUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString apppath = dir.path() + u'/';
    write_file(apppath + u"b.htm"_qs, "<p>qov_pics/ ../bilder/x.png</p>\r\n");
    EXPECT_EQ(read_template(apppath, u"b.htm"_qs), u"<p>qov_pics/ ../bilder/x.png</p>\r\n"_qs);
}

TEST(ReadTemplate, MissingFileThrows)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_THROW(read_template(dir.path() + u'/', u"qovfiles/fehlt.htm"_qs), TextFileError);
}

TEST(CutDayTemplate, BlockBetweenTheMarkersIsCutOut)
{
    const DayTemplate cut = cut_day_template(u"A<!-- #BibelStart#<a>#Bibelst#</a> #BibelEnd# -->B"_qs);
    EXPECT_EQ(cut.tplday, u"A<!--  -->B"_qs);
    EXPECT_EQ(cut.tplbibelst, u"<a>#Bibelst#</a> "_qs);
}

TEST(CutDayTemplate, WithoutMarkersTheWholeTextStays)
{
    const DayTemplate none = cut_day_template(u"<p>#Datum#</p>"_qs);
    EXPECT_EQ(none.tplday, u"<p>#Datum#</p>"_qs);
    EXPECT_EQ(none.tplbibelst, QString());

    // Only the end marker: the text after it follows the whole text.
    const DayTemplate end_only = cut_day_template(u"A#BibelEnd#B"_qs);
    EXPECT_EQ(end_only.tplday, u"A#BibelEnd#BB"_qs);
    EXPECT_EQ(end_only.tplbibelst, QString());
}

TEST(CutDayTemplate, StartWithoutEndKeepsTheRestAsBlock)
{
    const DayTemplate cut = cut_day_template(u"A#BibelStart#B"_qs);
    EXPECT_EQ(cut.tplday, u"A"_qs);
    EXPECT_EQ(cut.tplbibelst, u"B"_qs);
}

TEST(CutChapterTemplate, VerseBlockBecomesThePlaceholder)
{
    const ChapterTemplate cut = cut_chapter_template(u"<h1>#Buch#</h1>\r\n#VersStart#<p>#Vers#</p>#VersEnd#\r\nEnde"_qs);
    EXPECT_EQ(cut.tplbibel, u"<h1>#Buch#</h1>\r\n#VERS#\r\nEnde"_qs);
    EXPECT_EQ(cut.tplvers, u"<p>#Vers#</p>"_qs);
}

TEST(CutChapterTemplate, WithoutMarkersThePlaceholderIsAppended)
{
    const ChapterTemplate cut = cut_chapter_template(u"<h1>#Buch#</h1>"_qs);
    EXPECT_EQ(cut.tplbibel, u"<h1>#Buch#</h1>#VERS#"_qs);
    EXPECT_EQ(cut.tplvers, QString());
}
