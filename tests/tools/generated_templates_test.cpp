// The page templates copied into the program folder: markers, placeholders,
// link forms, pictures, and how the pages come out in Qt's rich text.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const char* const template_names[] = {"qovtemp.htm", "qovliste.htm", "bibelliste.htm", "bibel.htm", "hilfe.htm",
                                      "impressum.htm"};

QByteArray read_file(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString read_template(const QString& name)
{
    const QByteArray bytes = read_file(QStringLiteral(SELUNAR_DATA_DIR "qovfiles/") + name);
    const QString text = QString::fromUtf8(bytes);
    EXPECT_EQ(text.toUtf8(), bytes) << name.toStdString() << " is not UTF-8";
    return text;
}

// The text between the first `from` and the next `to`.
QString between(const QString& text, const QString& from, const QString& to)
{
    const qsizetype start = text.indexOf(from);
    const qsizetype end = text.indexOf(to, start + from.size());
    return start < 0 || end < 0 ? QString() : text.mid(start + from.size(), end - start - from.size());
}

TEST(GeneratedTemplates, AllSixAreTheShippedFilesAndNameOnlyExistingPictures)
{
    static const QRegularExpression picture("\\.\\./qov_pics/([^\"#]+)\"");
    int pictures = 0;
    for (const char* name : template_names) {
        EXPECT_EQ(read_file(QStringLiteral(SELUNAR_TEMPLATE_DIR "/") + name),
                  read_file(QStringLiteral(SELUNAR_DATA_DIR "qovfiles/") + name));
        const QString page = read_template(name);
        for (auto it = picture.globalMatch(page); it.hasNext(); ++pictures) {
            const QString file = it.next().captured(1);
            EXPECT_TRUE(QFileInfo::exists(QStringLiteral(SELUNAR_DATA_DIR "qov_pics/") + file))
                << name << ": " << file.toStdString();
        }
        EXPECT_FALSE(page.contains("<script", Qt::CaseInsensitive)) << name;
    }
    EXPECT_GE(pictures, 3);
}

TEST(GeneratedTemplates, DayAndListPagesHoldTheirPlaceholdersMarkersAndLinkForms)
{
    const QString page = read_template("qovtemp.htm");
    for (const char* p : {"#Datum#", "#Feiertag#", "#Leitvers#", "#Bibelstelle#", "#Thema#", "#Text#", "#Frage#",
                          "#Tipp#", "#Bibellese#", "#Autor#"})
        EXPECT_TRUE(page.contains(p)) << p;
    EXPECT_TRUE(page.contains("src=\"../qov_pics/#Bild#\""));
    EXPECT_EQ(page.count("#BibelStart#") + page.count("#BibelEnd#"), 2);
    const QString block = between(page, "#BibelStart#", "#BibelEnd#");
    EXPECT_TRUE(block.contains("href=\"BIBLE|#bcv#|\"")) << block.toStdString();
    EXPECT_TRUE(block.contains(QRegularExpression(">\\s*#Bibelst#\\s*</a>"))) << block.toStdString();
    // The placeholders outside the block are filled by the page, not the block.
    EXPECT_FALSE(block.contains("#Bibelstelle#"));

    const QString list = read_template("qovliste.htm");
    ASSERT_EQ(list.count("<!--X-->"), 2);
    const QString row = between(list, "<!--X-->", "<!--X-->");
    EXPECT_EQ(row.count("<td"), 6) << "the notice row spans one cell and five";
    EXPECT_TRUE(row.contains("href=\"GOTO#Datum#\""));
    EXPECT_GE(QString(row).remove("GOTO#Datum#").count("#Datum#"), 1);

    const QString bible_list = read_template("bibelliste.htm");
    ASSERT_EQ(bible_list.count("<!--X-->"), 2);
    const QString bible_row = between(bible_list, "<!--X-->", "<!--X-->");
    EXPECT_TRUE(bible_row.contains("href=\"BIBLE|#bcv#|\""));
    EXPECT_TRUE(bible_row.contains("#Vers#"));
}

TEST(GeneratedTemplates, ChapterPageGivesEveryVerseAnAnchorQtKnows)
{
    const QString chapter = read_template("bibel.htm");
    ASSERT_EQ(chapter.count("#VersStart#") + chapter.count("#VersEnd#"), 2);
    const QString verse = between(chapter, "#VersStart#", "#VersEnd#");
    EXPECT_TRUE(verse.contains("<a name=\"v#Versnr#\"></a>"));

    // Filled the way the chapter page fills it, Qt's rich text must know the
    // anchors, or the view cannot scroll to a verse.
    QString rows;
    for (const char* v : {"1", "2"})
        rows += QString(verse).replace("#Versnr#", v).replace("#Vers#", QString("Text ") + v);
    QString page = chapter.left(chapter.indexOf("#VersStart#")) + rows
                   + chapter.mid(chapter.indexOf("#VersEnd#") + QString("#VersEnd#").size());
    page.replace("#Buch#", "Psalm").replace("#Kapitel#", "23");
    static int argc = 1;
    static char name[] = "demodata_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv);
    QTextDocument document;
    document.setHtml(page);
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            anchors << it.fragment().charFormat().anchorNames();
    EXPECT_TRUE(anchors.contains("v1") && anchors.contains("v2")) << anchors.join(',').toStdString();
    EXPECT_TRUE(document.toPlainText().contains("Psalm 23"));
}

TEST(GeneratedTemplates, HelpAndImprintAreShownUnfilled)
{
    const QString help = read_template("hilfe.htm");
    for (const char* tip : {"vorheriger Tag", "nächstes Kapitel", "Volltext", "Bibelstelle"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(tip))) << tip;
    const QString imprint = read_template("impressum.htm");
    EXPECT_TRUE(imprint.contains("Selunar 2024") && imprint.contains("Elberfelder Bibel von 1905"));
    // A word between two "#"; colours such as #fbf8f1 are none.
    static const QRegularExpression placeholder("#[A-Za-z]+#");
    EXPECT_FALSE(help.contains(placeholder) || imprint.contains(placeholder));
}

} // namespace
