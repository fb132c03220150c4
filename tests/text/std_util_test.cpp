#include "StdUtil.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString replaced(QString s, const QString& find, const QString& repl)
{
    StrReplaceInPlace(s, find, repl);
    return s;
}

} // namespace

TEST(StrReplace, ReplacesLeftToRightWithoutOverlap)
{
    EXPECT_EQ(replaced(u"aaa"_qs, u"aa"_qs, u"b"_qs), u"ba"_qs);
    EXPECT_EQ(replaced(u"a|b|c"_qs, u"|"_qs, u"--"_qs), u"a--b--c"_qs);
    EXPECT_EQ(replaced(u"#Datum# und #Datum#"_qs, u"#Datum#"_qs, u"heute"_qs), u"heute und heute"_qs);
}

TEST(StrReplace, InsertedTextIsNeverSearchedAgain)
{
    EXPECT_EQ(replaced(u"#X##X#"_qs, u"#X#"_qs, u"#X#!"_qs), u"#X#!#X#!"_qs);
    EXPECT_EQ(replaced(u"ab"_qs, u"a"_qs, u"aa"_qs), u"aab"_qs);
}

TEST(StrReplace, AbsentFindEmptyReplacementAndEmptyFind)
{
    EXPECT_EQ(replaced(u"abc"_qs, u"x"_qs, u"y"_qs), u"abc"_qs);
    EXPECT_EQ(replaced(u"a-b-c"_qs, u"-"_qs, QString()), u"abc"_qs);
    EXPECT_EQ(replaced(u"abc"_qs, QString(), u"y"_qs), u"abc"_qs);
}

TEST(StrReplace, CaseSensitive)
{
    EXPECT_EQ(replaced(u"#thema# #Thema#"_qs, u"#Thema#"_qs, u"T"_qs), u"#thema# T"_qs);
}

TEST(StrReplace, DatabaseValuesAsReplacementAndSource)
{
    QString s = u"[#F#]"_qs;
    StrReplaceInPlace(s, u"#F#"_qs, QVariant());
    EXPECT_EQ(s, u"[]"_qs);
    s = u"[#F#]"_qs;
    StrReplaceInPlace(s, u"#F#"_qs, QVariant(qint64(42)));
    EXPECT_EQ(s, u"[42]"_qs);

    const QVariant field(u"x-y"_qs);
    EXPECT_EQ(StrReplace(field, u"-"_qs, u"+"_qs), u"x+y"_qs);
    EXPECT_EQ(field.toString(), u"x-y"_qs);
}

TEST(GetToken, FieldsAsDocumented)
{
    EXPECT_EQ(GetToken(u"a|b|c"_qs, u"|"_qs, 2), u"b"_qs);
    EXPECT_EQ(GetToken(u"a|b|c"_qs, u"|"_qs, 3), u"c"_qs);
    EXPECT_EQ(GetToken(u"a|b|c"_qs, u"|"_qs, 4), QString());
    EXPECT_EQ(GetToken(u"abc"_qs, u"|"_qs, 1), u"abc"_qs);
    EXPECT_EQ(GetToken(u"|x"_qs, u"|"_qs, 1), QString());
    EXPECT_EQ(GetToken(u"a||b"_qs, u"|"_qs, 2), QString());
    EXPECT_EQ(GetToken(u"a||b"_qs, u"|"_qs, 3), u"b"_qs);
    EXPECT_EQ(GetToken(u"a|b"_qs, u"|"_qs, 0), u"a"_qs);
    EXPECT_EQ(GetToken(u"a|b"_qs, u"|"_qs, -3), u"a"_qs);
}

TEST(GetToken, MultiCharacterSeparators)
{
    const QString tpl = u"head#BibelStart#block#BibelEnd#tail"_qs;
    EXPECT_EQ(GetToken(GetToken(tpl, u"#BibelStart#"_qs, 2), u"#BibelEnd#"_qs, 1), u"block"_qs);
    EXPECT_EQ(GetToken(tpl, u"#BibelEnd#"_qs, 2), u"tail"_qs);
    EXPECT_EQ(GetToken(u"h<!--X-->r<!--X-->t"_qs, u"<!--X-->"_qs, 3), u"t"_qs);
}

TEST(GetToken, NullAndEmptySeparator)
{
    EXPECT_EQ(GetToken(QVariant(), u"|"_qs, 1), QString());
    EXPECT_EQ(GetToken(QVariant(u"a;b"_qs), u";"_qs, 2), u"b"_qs);
    EXPECT_EQ(GetToken(u"abc"_qs, QString(), 1), u"abc"_qs);
    EXPECT_EQ(GetToken(u"abc"_qs, QString(), 2), QString());
}

TEST(NullToEmpty, NullBecomesEmptyTextOtherValuesStay)
{
    const QVariant empty = NullToEmpty(QVariant());
    EXPECT_TRUE(empty.isValid());
    EXPECT_EQ(empty.toString(), QString());
    const QVariant number = NullToEmpty(QVariant(qint64(7)));
    EXPECT_EQ(number.typeId(), QMetaType::LongLong);
    EXPECT_EQ(number.toLongLong(), 7);
    EXPECT_FALSE(IsNull(QVariant(QString())));
}

TEST(ValueText, DatesWithAndWithoutTimeOfDay)
{
    EXPECT_EQ(ValueText(QDateTime(QDate(2024, 3, 5), QTime(0, 0), Qt::UTC)), u"2024-03-05"_qs);
    EXPECT_EQ(ValueText(QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5), Qt::UTC)), u"2024-03-05 13:04:05"_qs);
}

class ReadTextFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ReadTextFileTest, Utf8KeepsLineBreaksAndDropsBom)
{
    QString text;
    ReadTextFile(text, write(u"a.htm"_qs, "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x80\x9E" "a\xE2\x80\x9C\r\n"));
    EXPECT_EQ(text, QString::fromUtf8("Grüße\r\n„a“\r\n"));
}

TEST_F(ReadTextFileTest, AnsiFilesAreWindows1252)
{
    QString text;
    ReadTextFile(text, write(u"ansi.htm"_qs, "Gr\xFC\xDF" "e \x80 \x84" "a\x93"));
    EXPECT_EQ(text, QString::fromUtf8("Grüße € „a“"));
}

TEST_F(ReadTextFileTest, LargeFilesAroundTheOldSizeLimitAreReadWhole)
{
    for (const int size : {65000, 65001, 300000}) {
        QByteArray bytes(size, 'x');
        bytes[size - 1] = 'E';
        QString text;
        ReadTextFile(text, write(QString::number(size), bytes));
        EXPECT_EQ(text.size(), size);
        EXPECT_EQ(text.back(), QChar(u'E'));
    }
}

TEST_F(ReadTextFileTest, EmptyFileGivesEmptyText)
{
    QString text = u"old"_qs;
    ReadTextFile(text, write(u"empty"_qs, QByteArray()));
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(ReadTextFileTest, MissingFileNamesPathAndKeepsTarget)
{
    QString text = u"old"_qs;
    const QString path = dir.filePath(u"missing.htm"_qs);
    try {
        ReadTextFile(text, path);
        FAIL() << "no error for a missing file";
    } catch (const TextFileError& e) {
        EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
        EXPECT_EQ(e.path(), path);
    }
    EXPECT_EQ(text, u"old"_qs);
}

TEST_F(ReadTextFileTest, DirectoryIsAnError)
{
    QString text;
    EXPECT_THROW(ReadTextFile(text, dir.path()), TextFileError);
}
