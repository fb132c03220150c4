// SPDX-License-Identifier: GPL-2.0-or-later
#include "like_pattern.h"
#include "like_reference.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>

#include <random>

TEST(LikePattern, EachWildcardKindMatchesAnchoredIgnoringCase)
{
    struct Case {
        const char16_t* value;
        const char16_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {u"Gott", u"*", true},           {u"", u"*", true},              {u"Gottes Wort", u"*es*", true},
        {u"Gottes", u"Gott", false},     {u"der Gott", u"Gott*", false}, {u"a", u"a*a", false},
        {u"Größe", u"Gr?ße", true},      {u"Gtt", u"G?tt", false},       {u"😀", u"?", true},
        {u"Psalm 9", u"Psalm #", true},  {u"Psalm X", u"Psalm #", false}, {u"Psalm 90", u"Psalm #", false},
        {u"hott", u"[GH]ott", true},     {u"Bx", u"[a-c]x", true},       {u"dx", u"[a-c]x", false},
        {u"dx", u"[!a-c]x", true},       {u"Bx", u"[!a-c]x", false},     {u"Äpfel", u"[ä]pfel", true},
        // Brackets quote wildcards; odd brackets stand for themselves.
        {u"a*b", u"a[*]b", true},        {u"axb", u"a[*]b", false},      {u"-", u"[a-]", true},
        {u"ab", u"a[]b", true},          {u"a[b", u"a[b", true},         {u"x[1", u"*[#", true},
        // Letters match in either case, umlauts included; ß has no one-letter capital, so it is not SS.
        {u"ÜBER ALLES", u"*über*", true}, {u"ΘΕΟΣ", u"*θεος*", true},     {u"STRASSE", u"*straße*", false},
        {u"STRAẞE", u"*straße*", true},   {u"Grüße", u"*grusse*", false},
        // Characters that fold to an ASCII letter from two or three UTF-8 bytes.
        {u"Wert: 5 \u212A", u"*k*", true}, {u"Stra\u017Fe", u"*stras*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(like_match(c.value, c.pattern), c.matches)
            << QString::fromUtf16(c.value).toStdString() << " like " << QString::fromUtf16(c.pattern).toStdString();
    EXPECT_TRUE(like_match(QString(), QString()));
    EXPECT_FALSE(like_match(u"a", QString()));
}

TEST(LikePattern, EveryWildcardAtItsEdges)
{
    // Each character from "/" (before "0") to "{" (after "z") against the
    // one-character wildcards, alone and between other characters.
    for (char16_t c = u'/'; c <= u'{'; ++c) {
        const QString one(c);
        const bool digit = c >= u'0' && c <= u'9';
        const bool a_to_c = (c >= u'a' && c <= u'c') || (c >= u'A' && c <= u'C');
        const std::pair<const char16_t*, bool> cases[] = {
            {u"#", digit}, {u"x#y", digit}, {u"?", true}, {u"x?y", true},
            {u"[a-c]", a_to_c}, {u"x[a-c]y", a_to_c}, {u"[!a-c]", !a_to_c}, {u"x[!a-c]y", !a_to_c},
        };
        for (const auto& [pattern, matches] : cases) {
            const QString p = QString::fromUtf16(pattern);
            const QString value = p.startsWith(u'x') ? u"x"_qs + one + u"y"_qs : one;
            EXPECT_EQ(like_match(value, p), matches) << value.toStdString() << " like " << p.toStdString();
        }
    }
    // One-character wildcards take exactly one; "*" any run at either end or between.
    const std::tuple<const char16_t*, const char16_t*, bool> runs[] = {
        {u"", u"?", false},    {u"ab", u"?", false},  {u"", u"#", false},     {u"12", u"#", false},
        {u"", u"[a-c]", false}, {u"ab", u"[a-c]", false}, {u"", u"[!a-c]", false}, {u"dd", u"[!a-c]", false},
        {u"", u"**", true},    {u"abc", u"*c", true},  {u"abc", u"a*", true},   {u"abc", u"a*c", true},
        {u"ac", u"a*c", true}, {u"abd", u"a*c", false}, {u"cab", u"*a*b*", true}, {u"ba", u"*a*b*", false},
    };
    for (const auto& [value, pattern, matches] : runs)
        EXPECT_EQ(like_match(QString::fromUtf16(value), QString::fromUtf16(pattern)), matches)
            << QString::fromUtf16(value).toStdString() << " like " << QString::fromUtf16(pattern).toStdString();
}

TEST(LikePattern, Utf8InputMatchesLikeTheSameText)
{
    const QByteArray text = QStringLiteral("Viele GRÜSSE und Größe").toUtf8();
    EXPECT_TRUE(LikePattern(u"*gr?ße*"_qs).matches_utf8(std::string_view(text.constData(), size_t(text.size()))));
    // A stray byte is one character of its own and never breaks a sequence.
    EXPECT_TRUE(LikePattern(u"a?b"_qs).matches_utf8("a\xC3" "b"));
    EXPECT_FALSE(LikePattern(u"a?b"_qs).matches_utf8("a\xC3\xA4\xA4" "b"));
    EXPECT_TRUE(LikePattern(u"*b*"_qs).matches_utf8("\xE2\x82" "b"));
}

TEST(LikePattern, AgreesWithThePlainReadingOnRandomPatterns)
{
    // Each pattern part with texts it matches. Letters with case forms of
    // another length (s and ſ, k and the Kelvin sign, ß and ẞ, ⱥ and Ⱥ) are
    // there on purpose; the fillers make values long enough for the search
    // sixteen bytes at a time.
    const std::vector<std::pair<QString, QStringList>> parts = {
        {u"a"_qs, {u"a"_qs, u"A"_qs}},         {u"b"_qs, {u"B"_qs}},
        {u"Ä"_qs, {u"ä"_qs, u"Ä"_qs}},         {u"ö"_qs, {u"Ö"_qs}},
        {u"s"_qs, {u"s"_qs, u"S"_qs, u"ſ"_qs}}, {u"k"_qs, {u"K"_qs, u"\u212A"_qs}},
        {u"ß"_qs, {u"ß"_qs, u"ẞ"_qs}},         {u"*"_qs, {QString(), u"xxxxxxxxxxxxxxxxxx"_qs, u"a€b"_qs}},
        {u"*"_qs, {u"😀"_qs, u"ss"_qs}},       {u"?"_qs, {u"x"_qs, u"€"_qs, u"😀"_qs}},
        {u"#"_qs, {u"7"_qs}},                  {u"[ab]"_qs, {u"A"_qs, u"b"_qs}},
        {u"[!a]"_qs, {u"ö"_qs, u"1"_qs}},      {u"1"_qs, {u"1"_qs}},
        {u"€"_qs, {u"€"_qs}},                  {u"ⱥ"_qs, {u"Ⱥ"_qs, u"ⱥ"_qs}},
    };
    const QStringList noise = {u"a"_qs, u"A"_qs, u"b"_qs, u"ä"_qs, u"Ö"_qs, u"1"_qs, u"x"_qs, u"€"_qs,
                               u"😀"_qs, u"s"_qs, u"ſ"_qs, u"k"_qs, u"\u212A"_qs, u"ß"_qs, u"Ⱥ"_qs, u"xxxxxxxxxxxxxxxx"_qs};
    std::mt19937 random(2024);
    const auto below = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(random); };
    for (int round = 0; round < 20000; ++round) {
        // Half the values are made to match, then maybe changed in one place.
        QString pattern;
        QString value;
        for (qsizetype n = below(7); n > 0; --n) {
            const auto& [part, matching] = parts[size_t(below(qsizetype(parts.size())))];
            pattern += part;
            value += matching[below(matching.size())];
        }
        if (round % 2 == 1) {
            value.clear();
            for (qsizetype n = below(12); n > 0; --n)
                value += noise[below(noise.size())];
        } else if (round % 4 == 2 && !value.isEmpty()) {
            value.insert(below(value.size() + 1), noise[below(noise.size())]);
        }
        ASSERT_EQ(like_match(value, pattern), reference_like(pattern, value.toUtf8().toStdString()))
            << "value \"" << value.toStdString() << "\" pattern \"" << pattern.toStdString() << '"';
    }
}

TEST(LikePattern, FindsAWordAtEveryPlaceOfLongTexts)
{
    const LikePattern word(u"*gOTT*"_qs);
    for (int length = 0; length < 40; ++length)
        for (int at = 0; at <= length; ++at) {
            EXPECT_TRUE(word.matches(QString(length, u'x').insert(at, u"Gott"_qs))) << length << ' ' << at;
            EXPECT_FALSE(word.matches(QString(length, u'x').insert(at, u"Got"_qs))) << length << ' ' << at;
        }
}
