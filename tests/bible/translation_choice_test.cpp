// SPDX-License-Identifier: GPL-2.0-or-later
#include "translation_choice.h"

#include <gtest/gtest.h>

namespace {

QStringList list(const char* names)
{
    return QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

TEST(TranslationChoice, KeepsTheUsableOnesOnceAndAtMostThree)
{
    const auto usable = [](const QString& name) { return name != u"Locked"_qs; };
    const std::pair<const char*, const char*> rows[] = {
        {"", "Buch"},
        {"Locked", "Buch"},
        {"KJV Buch", "KJV Buch"},
        {"KJV KJV Locked WEB", "KJV WEB"},
        {"Buch KJV WEB GerElb", "Buch KJV WEB"},
    };
    for (const auto& [wanted, shown] : rows)
        EXPECT_EQ(shown_translations(list(wanted), usable), list(shown)) << wanted;

    EXPECT_TRUE(only_book_bible(list("Buch")));
    EXPECT_TRUE(only_book_bible({}));
    EXPECT_FALSE(only_book_bible(list("KJV")));
    EXPECT_FALSE(only_book_bible(list("Buch KJV")));
}

TEST(TranslationChoice, TheMainOneFirstAndTheOthersToggledBeside)
{
    using Change = QStringList (*)(const QStringList&, const QString&);
    const Change main = with_main_translation;
    const Change toggle = with_translation_toggled;
    const std::tuple<Change, const char*, const char*, const char*> rows[] = {
        {main, "Buch", "KJV", "KJV"},
        {main, "Buch KJV", "WEB", "WEB KJV"},
        {main, "Buch KJV WEB", "KJV", "KJV WEB"},
        {main, "Buch KJV", "Buch", "Buch KJV"},
        {toggle, "Buch", "KJV", "Buch KJV"},
        {toggle, "Buch KJV", "KJV", "Buch"},
        {toggle, "Buch KJV", "WEB", "Buch KJV WEB"},
        {toggle, "Buch KJV WEB", "Elb", "Buch KJV WEB"},
        {toggle, "Buch KJV WEB", "KJV", "Buch WEB"},
        {toggle, "KJV", "KJV", "KJV"},
    };
    for (const auto& [change, shown, name, result] : rows)
        EXPECT_EQ(change(list(shown), QString::fromLatin1(name)), list(result))
            << (change == main ? "main " : "toggle ") << shown << " " << name;
}
