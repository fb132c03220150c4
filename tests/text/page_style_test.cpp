// SPDX-License-Identifier: GPL-2.0-or-later
#include "dark_page.h"
#include "page_zoom.h"

#include <gtest/gtest.h>

TEST(ZoomPage, ScalesStyleLengthsAndFontStepsOnly)
{
    struct Case {
        QString page;
        int percent;
        QString expected;
    };
    const Case cases[] = {
        {u"<style>body { font-size: 11pt; margin: -2px }</style><p>12pt</p>"_qs, 150,
         u"<style>body { font-size: 16.5pt; margin: -3px }</style><p>12pt</p>"_qs},
        {u"<P STYLE='font-size:10PX;width:.5pt'>a</P>"_qs, 110, u"<P STYLE='font-size:11PX;width:0.55pt'>a</P>"_qs},
        {u"<font size=\"1\" color=\"#ff0000\">a</font><font size=+1>b</font>"_qs, 200,
         u"<font size=\"4\" color=\"#ff0000\">a</font><font size=6>b</font>"_qs},
        {u"<font size='-1'>a</font><font size=9>b</font><font size=x>c</font>"_qs, 50,
         u"<font size='1'>a</font><font size=5>b</font><font size=x>c</font>"_qs},
        {u"<p style=\"font-size:10pt\">"_qs, 1000, u"<p style=\"font-size:30pt\">"_qs},
        {u"<p style=\"font-size:10pt\">"_qs, 0, u"<p style=\"font-size:5pt\">"_qs},
        {u"<!-- <p style=\"font-size:10pt\"> --><a name=h1px style=\"x:#12pt\">"_qs, 200,
         u"<!-- <p style=\"font-size:10pt\"> --><a name=h1px style=\"x:#12pt\">"_qs},
        {u"<style>b{font-size:8pt}"_qs, 200, u"<style>b{font-size:16pt}"_qs},
        {u"<p style=\"font-size:8pt"_qs, 200, u"<p style=\"font-size:16pt"_qs},
        {u"a < b <3 <p style=font-size:8pt>"_qs, 200, u"a < b <3 <p style=font-size:16pt>"_qs},
        {u"<style>p { font-size: 9pt }</STYLE><p style=\"margin:4px\">"_qs, 100,
         u"<style>p { font-size: 9pt }</STYLE><p style=\"margin:4px\">"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zoom_page(c.page, c.percent).toStdString(), c.expected.toStdString()) << c.page.toStdString() << " @" << c.percent;
}

TEST(ZoomPage, StepsAlongTheLadderAndStopsAtItsEnds)
{
    const std::tuple<int, int, int> cases[] = {
        {100, 1, 110}, {100, -1, 90}, {100, 3, 150}, {105, 1, 110}, {105, -1, 100},
        {300, 1, 300}, {60, -2, 50},  {20, 0, 50},   {1000, -1, 250},
    };
    for (const auto& [percent, steps, expected] : cases)
        EXPECT_EQ(zoom_step(percent, steps), expected) << percent << " " << steps;
}

TEST(DarkPage, MirrorsLightnessKeepingHue)
{
    EXPECT_NEAR(dark_colour(Qt::white).lightnessF(), 0.13, 0.01);
    EXPECT_NEAR(dark_colour(Qt::black).lightnessF(), 0.9, 0.01);
    const QColor shade(0xe6, 0xee, 0xf2);
    EXPECT_LT(dark_colour(shade).lightnessF(), 0.3);
    EXPECT_NEAR(dark_colour(shade).hslHueF(), shade.hslHueF(), 0.02);
    EXPECT_GT(dark_colour(QColor(0x7a, 0x3b, 0x12)).lightnessF(), 0.6);
    EXPECT_EQ(dark_colour(Qt::transparent), QColor(Qt::transparent));
}

TEST(DarkPage, DefaultSheetFirstAndEveryLightColourDarkened)
{
    const QString white = dark_colour(Qt::white).name();
    const QString black = dark_colour(Qt::black).name();
    const QString sheet = QStringLiteral("<style type=\"text/css\">body { background-color: %1; color: %2; } "
                                         "a { color: #8ab4f8; }</style>")
                              .arg(white, black);
    const std::pair<QString, QString> cases[] = {
        {u"<HTML><head><style>a { color: #000 }</style></HEAD >"_qs,
         u"<HTML><head><style>a { color: "_qs + black + u" }</style>"_qs + sheet + u"</HEAD >"_qs},
        {u"<p>white</p>"_qs, sheet + u"<p>white</p>"_qs},
        {u"<table bgcolor=\"#FFFFFF\"><td bgcolor=white><font color='black' size=2>"_qs,
         sheet + u"<table bgcolor=\""_qs + white + u"\"><td bgcolor="_qs + white
             + u"><font color='"_qs + black + u"' size=2>"_qs},
        {u"<style>body { color: #000; font-family: Tan; background: url(red.png) white }</style>"_qs,
         sheet + u"<style>body { color: "_qs + black + u"; font-family: Tan; background: url(red.png) "_qs + white
             + u" }</style>"_qs},
        {u"<p style=\"border: 1px solid black; color: transparent\" bgcolor=\"kein\">"_qs,
         sheet + u"<p style=\"border: 1px solid "_qs + black + u"; color: transparent\" bgcolor=\"kein\">"_qs},
    };
    for (const auto& [page, expected] : cases)
        EXPECT_EQ(dark_page(page).toStdString(), expected.toStdString()) << page.toStdString();
}
