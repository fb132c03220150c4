// The layout at different window sizes, and the hover pictures.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

QJsonArray rect(double left, double top, double width, double height)
{
    return {left, top, width, height};
}

QJsonValue geometry(const Dump& dump, const char* control)
{
    return dump.json[u"geometry"_qs][QLatin1String(control)];
}

// The rules at other sizes are the layout's unit tests' business.
TEST(Layout, ViewsRowsAndPanelFollowTheWindowInBothModes)
{
    const Session& session = run_session_file(u"layout.script"_qs);
    const Dump wide = session.dump(u"wide.json"_qs);
    EXPECT_EQ(geometry(wide, "WB0"), rect(0, 480, 12000, 8520));
    EXPECT_EQ(geometry(wide, "headline1"), rect(2500, 0, 7000, 480));
    EXPECT_EQ(geometry(wide, "bg"), rect(0, 0, 12000, 480));
    EXPECT_EQ(geometry(wide, "sframe"), rect(2572.5, 600, 6855, 2895));

    EXPECT_EQ(session.dump(u"bible_mode.json"_qs).json[u"geometry"_qs], wide.json[u"geometry"_qs]);
}

TEST(Hover, TheTwinShowsWhileTheCursorRestsOnTheButton)
{
    const Session& session = run_session_file(u"hover.script"_qs);
    const Dump away = session.dump(u"away.json"_qs);
    for (int i = 0; i <= 19; ++i)
        EXPECT_TRUE(away.shows(u"but%1"_qs.arg(i)) && !away.shows(u"but%1"_qs.arg(i + 100))) << i;

    const Dump on = session.dump(u"on_next_day.json"_qs);
    EXPECT_TRUE(on.shows("but101") && !on.shows("but1"));
    // "nächstes Buch" stands at the same place in the hidden Bible row.
    EXPECT_TRUE(on.shows("but112") && !on.shows("but12"));
    EXPECT_TRUE(session.dump(u"left_of_it.json"_qs).shows("but1"));
    EXPECT_TRUE(session.dump(u"bottom_right_corner.json"_qs).shows("but101"));
}

TEST(Hover, GoButtonsOfTheBookSearchStayHiddenInTheBibleSearch)
{
    const Session& session = run_session_file(u"hover.script"_qs);
    const Dump on_go = session.dump(u"on_go_button.json"_qs);
    EXPECT_TRUE(on_go.shows("but107") && !on_go.shows("but7"));
    const Dump hidden = session.dump(u"on_hidden_go_button.json"_qs);
    EXPECT_FALSE(hidden.shows("but7") || hidden.shows("but107"));
    const Dump full_text = session.dump(u"on_full_text_go_button.json"_qs);
    EXPECT_TRUE(full_text.shows("but106") && !full_text.shows("but6"));

    const Dump away = session.dump(u"away_again.json"_qs);
    EXPECT_TRUE(away.shows("but6"));
    for (const char* go : {"but7", "but107", "but19", "but119"})
        EXPECT_FALSE(away.shows(QString::fromUtf8(go))) << go;
}

} // namespace
