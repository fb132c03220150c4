// SPDX-License-Identifier: GPL-2.0-or-later
#include "StdUtil.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StrReplace, LeftToRightNeverSearchingInsertedTextCaseSensitive)
{
    struct Case {
        QString text, find, repl, expected;
    };
    const Case cases[] = {
        {u"aaa"_qs, u"aa"_qs, u"b"_qs, u"ba"_qs},
        {u"#Datum# und #Datum#"_qs, u"#Datum#"_qs, u"heute"_qs, u"heute und heute"_qs},
        {u"#X##X#"_qs, u"#X#"_qs, u"#X#!"_qs, u"#X#!#X#!"_qs},
        {u"ab"_qs, u"a"_qs, u"aa"_qs, u"aab"_qs},
        {u"abc"_qs, u"x"_qs, u"y"_qs, u"abc"_qs},
        {u"a-b-c"_qs, u"-"_qs, QString(), u"abc"_qs},
        {u"abc"_qs, QString(), u"y"_qs, u"abc"_qs},
        {u"#thema# #Thema#"_qs, u"#Thema#"_qs, u"T"_qs, u"#thema# T"_qs},
    };
    for (const Case& c : cases) {
        QString s = c.text;
        StrReplaceInPlace(s, c.find, c.repl);
        EXPECT_EQ(s, c.expected) << c.text.toStdString() << " / " << c.find.toStdString();
    }
}

TEST(StrReplace, DatabaseValuesAsReplacementAndSource)
{
    for (const auto& [value, expected] : {std::pair{QVariant(), u"[]"_qs}, {QVariant(qint64(42)), u"[42]"_qs}}) {
        QString s = u"[#F#]"_qs;
        StrReplaceInPlace(s, u"#F#"_qs, value);
        EXPECT_EQ(s, expected);
    }
    const QVariant field(u"x-y"_qs);
    EXPECT_EQ(StrReplace(field, u"-"_qs, u"+"_qs), u"x+y"_qs);
    EXPECT_EQ(field.toString(), u"x-y"_qs);
}

TEST(GetToken, FieldsCountFromOneAndMissingOnesAreEmpty)
{
    struct Case {
        QVariant text;
        QString sep;
        int n;
        QString expected;
    };
    const Case cases[] = {
        {u"a|b|c"_qs, u"|"_qs, 3, u"c"_qs},   {u"a|b|c"_qs, u"|"_qs, 4, QString()}, {u"abc"_qs, u"|"_qs, 1, u"abc"_qs},
        {u"|x"_qs, u"|"_qs, 1, QString()},    {u"a||b"_qs, u"|"_qs, 2, QString()},  {u"a||b"_qs, u"|"_qs, 3, u"b"_qs},
        {u"a|b"_qs, u"|"_qs, 0, u"a"_qs},     {u"a|b"_qs, u"|"_qs, -3, u"a"_qs},
        {u"head#BibelStart#block#BibelEnd#tail"_qs, u"#BibelEnd#"_qs, 2, u"tail"_qs},
        {u"h<!--X-->r<!--X-->t"_qs, u"<!--X-->"_qs, 3, u"t"_qs},
        {QVariant(), u"|"_qs, 1, QString()},  {u"abc"_qs, QString(), 1, u"abc"_qs}, {u"abc"_qs, QString(), 2, QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetToken(c.text, c.sep, c.n), c.expected) << c.text.toString().toStdString() << " #" << c.n;
}

TEST(NullToEmpty, NullBecomesEmptyTextOtherValuesStay)
{
    EXPECT_EQ(NullToEmpty(QVariant()), QVariant(QString()));
    const QVariant number = NullToEmpty(QVariant(qint64(7)));
    EXPECT_EQ(number, QVariant(qint64(7)));
    EXPECT_EQ(number.typeId(), QMetaType::LongLong);
    EXPECT_FALSE(IsNull(QVariant(QString())));
}

TEST(ValueText, DatesWithAndWithoutTimeOfDay)
{
    EXPECT_EQ(ValueText(QDateTime(QDate(2024, 3, 5), QTime(0, 0), Qt::UTC)), u"2024-03-05"_qs);
    EXPECT_EQ(ValueText(QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5), Qt::UTC)), u"2024-03-05 13:04:05"_qs);
}

namespace {

// What ReadTextFile gives for a file holding `bytes`.
QString read_back(const QByteArray& bytes)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"t.htm"_qs));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString text = u"old"_qs;
    ReadTextFile(text, file.fileName());
    return text;
}

} // namespace

TEST(ReadTextFile, Utf8WithoutBomOrElseWindows1252KeepingLineBreaks)
{
    EXPECT_EQ(read_back("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x80\x9E" "a\xE2\x80\x9C\r\n"),
              QString::fromUtf8("Grüße\r\n„a“\r\n"));
    EXPECT_EQ(read_back("Gr\xFC\xDF" "e \x80 \x84" "a\x93"), QString::fromUtf8("Grüße € „a“"));
    EXPECT_TRUE(read_back({}).isEmpty());
    // Only one mark is dropped (found by fuzzing: the decoder dropped one of its own first).
    EXPECT_EQ(read_back("\xEF\xBB\xBF\xEF\xBB\xBF<p>"), QChar(0xFEFF) + u"<p>"_qs);
}

TEST(ReadTextFile, LargeFilesAroundTheOldSizeLimitAreReadWhole)
{
    for (const int size : {65000, 65001, 300000}) {
        QByteArray bytes(size, 'x');
        bytes[size - 1] = 'E';
        const QString text = read_back(bytes);
        EXPECT_EQ(text.size(), size);
        EXPECT_EQ(text.back(), QChar(u'E'));
    }
}

