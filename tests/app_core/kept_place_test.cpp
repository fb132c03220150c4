// SPDX-License-Identifier: GPL-2.0-or-later
#include "kept_place.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Buecher psalms_only()
{
    Buecher buecher(20);
    buecher[19] = {u"Psalm"_qs, qint64(150), qint64(19)};
    return buecher;
}

} // namespace

TEST(KeptPlace, WrittenPlaceReadsBackAndUnusableValuesFallBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"selunar.ini"_qs);
    const KeptPlace kept{QRect(40, 30, 900, 700), 150, u"19_23_1"_qs, true};
    {
        QSettings settings(path, QSettings::IniFormat);
        write_kept_place(settings, kept);
    }
    EXPECT_EQ(read_kept_place(QSettings(path, QSettings::IniFormat), psalms_only()), kept);

    struct Case {
        const char* key;
        QVariant value;
        KeptPlace expected;
    };
    const Case cases[] = {
        {"view/zoom", 20, {kept.geometry, 50, kept.actbcv, true}},
        {"bible/position", u"2_1_1"_qs, {kept.geometry, 150, u"1_1_0"_qs, true}},
        {"view/zoom", u"groß"_qs, {kept.geometry, 100, kept.actbcv, true}},
        {"bible/position", u"19_151_1"_qs, {kept.geometry, 150, u"1_1_0"_qs, true}},
        {"bible/mode", u"ja"_qs, {kept.geometry, 150, kept.actbcv, false}},
        {"window/geometry", QRect(0, 0, 99, 700), {std::nullopt, 150, kept.actbcv, true}},
    };
    for (const Case& c : cases) {
        QSettings settings(path, QSettings::IniFormat);
        write_kept_place(settings, kept);
        settings.setValue(QString::fromLatin1(c.key), c.value);
        settings.sync();
        EXPECT_EQ(read_kept_place(QSettings(path, QSettings::IniFormat), psalms_only()), c.expected) << c.key;
    }
    EXPECT_EQ(read_kept_place(QSettings(dir.filePath(u"none.ini"_qs), QSettings::IniFormat), psalms_only()),
              KeptPlace());
}

TEST(KeptPlace, RestoredWindowLandsOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1000);
    const std::pair<QRect, QRect> cases[] = {
        {QRect(100, 50, 800, 600), QRect(100, 50, 800, 600)},
        {QRect(-3000, -40, 800, 600), QRect(0, 0, 800, 600)},
        {QRect(1200, 900, 800, 600), QRect(480, 400, 800, 600)},
        {QRect(500, 500, 2000, 3000), QRect(0, 0, 1280, 1000)},
    };
    for (const auto& [window, expected] : cases)
        EXPECT_EQ(onto_screen(window, screen), expected);
    EXPECT_EQ(onto_screen(QRect(5000, 5, 100, 100), QRect(1280, 24, 1920, 1056)), QRect(3100, 24, 100, 100));
}
