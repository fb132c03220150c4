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
    const std::tuple<const char*, const char*, const char*> mains[] = {
        {"Buch", "KJV", "KJV"},
        {"Buch KJV", "WEB", "WEB KJV"},
        {"Buch KJV WEB", "KJV", "KJV WEB"},
        {"Buch KJV", "Buch", "Buch KJV"},
    };
    for (const auto& [shown, name, result] : mains)
        EXPECT_EQ(with_main_translation(list(shown), QString::fromLatin1(name)), list(result)) << shown << " " << name;

    const std::tuple<const char*, const char*, const char*> toggles[] = {
        {"Buch", "KJV", "Buch KJV"},
        {"Buch KJV", "KJV", "Buch"},
        {"Buch KJV", "WEB", "Buch KJV WEB"},
        {"Buch KJV WEB", "Elb", "Buch KJV WEB"},
        {"Buch KJV WEB", "KJV", "Buch WEB"},
        {"KJV", "KJV", "KJV"},
    };
    for (const auto& [shown, name, result] : toggles)
        EXPECT_EQ(with_translation_toggled(list(shown), QString::fromLatin1(name)), list(result)) << shown << " " << name;
}
