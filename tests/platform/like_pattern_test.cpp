#include "like_pattern.h"

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

TEST(LikePattern, Utf8InputMatchesLikeTheSameText)
{
    const QByteArray text = QStringLiteral("Viele GRÜSSE und Größe").toUtf8();
    EXPECT_TRUE(LikePattern(u"*gr?ße*"_qs).matches_utf8(std::string_view(text.constData(), size_t(text.size()))));
    // A stray byte is one character of its own and never breaks a sequence.
    EXPECT_TRUE(LikePattern(u"a?b"_qs).matches_utf8("a\xC3" "b"));
    EXPECT_FALSE(LikePattern(u"a?b"_qs).matches_utf8("a\xC3\xA4\xA4" "b"));
    EXPECT_TRUE(LikePattern(u"*b*"_qs).matches_utf8("\xE2\x82" "b"));
}

namespace {

// The meaning of a pattern, written the slow way: try every split for "*".
bool reference_match(const QList<uint>& value, qsizetype v, const QList<uint>& pattern, qsizetype p)
{
    const auto same = [](uint a, uint b) { return QChar::toCaseFolded(a) == QChar::toCaseFolded(b); };
    if (p == pattern.size())
        return v == value.size();
    const uint token = pattern[p];
    if (token == U'*') {
        for (qsizetype rest = v; rest <= value.size(); ++rest)
            if (reference_match(value, rest, pattern, p + 1))
                return true;
        return false;
    }
    if (v == value.size())
        return false;
    const uint c = value[v];
    if (token == U'?')
        return reference_match(value, v + 1, pattern, p + 1);
    if (token == U'#')
        return c >= U'0' && c <= U'9' && reference_match(value, v + 1, pattern, p + 1);
    if (token == U'[') {
        const qsizetype close = pattern.indexOf(U']', p);
        const bool negated = pattern[p + 1] == U'!';
        bool listed = false;
        for (qsizetype i = p + (negated ? 2 : 1); i < close; ++i)
            listed = listed || same(pattern[i], c);
        return listed != negated && reference_match(value, v + 1, pattern, close + 1);
    }
    return same(token, c) && reference_match(value, v + 1, pattern, p + 1);
}

} // namespace

TEST(LikePattern, AgreesWithTryingEverySplitOnRandomPatterns)
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
        ASSERT_EQ(like_match(value, pattern), reference_match(value.toUcs4(), 0, pattern.toUcs4(), 0))
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
