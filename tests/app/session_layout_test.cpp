// The layout at different window sizes, and the hover pictures.

#include "session_runner.h"

#include <gtest/gtest.h>

namespace {

QJsonArray rect(float left, float top, float width, float height)
{
    return {left, top, width, height};
}

QJsonValue geometry(const QJsonObject& dump, const char* control)
{
    return dump[QStringLiteral("geometry")][QLatin1String(control)];
}

class Layout : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new Session(run_session(QStringLiteral("layout.script"))); }
    static void TearDownTestSuite() { delete session; }
    static QJsonObject dump(const char* name) { return session->dump(QString::fromUtf8(name)); }
    static Session* session;
};
Session* Layout::session = nullptr;

TEST_F(Layout, WideWindow)
{
    ASSERT_EQ(session->exit_code, 0) << session->errors.toStdString();
    const QJsonObject wide = dump("wide.json");
    EXPECT_EQ(wide[QStringLiteral("window")][QStringLiteral("client_width")].toDouble(), 12000);
    EXPECT_EQ(geometry(wide, "WB0"), rect(0, 480, 12000, 8520));
    EXPECT_EQ(geometry(wide, "headline1"), rect(2500, 0, 7000, 480));
    EXPECT_EQ(geometry(wide, "bg"), rect(0, 0, 12000, 480));
    EXPECT_EQ(geometry(wide, "sframe"), rect(2572.5, 600, 6855, 2895));
}

TEST_F(Layout, NarrowLowAndMinimisedWindow)
{
    const QJsonObject narrow = dump("narrow.json");
    EXPECT_EQ(geometry(narrow, "WB1"), rect(0, 480, 6990, 100));
    EXPECT_EQ(geometry(narrow, "headline0"), rect(0, 0, 7000, 480));

    const QJsonObject just_wider = dump("just_wider.json");
    EXPECT_EQ(geometry(just_wider, "WB0"), rect(0, 480, 7005, 105));
    EXPECT_EQ(geometry(just_wider, "headline1"), rect(2.5, 0, 7000, 480));

    const QJsonObject panel_width = dump("panel_width.json");
    EXPECT_EQ(geometry(panel_width, "sframe"), rect(0, 600, 6855, 2895));
    EXPECT_EQ(geometry(panel_width, "WB1"), rect(0, 480, 6855, 120));

    const QJsonObject minimised = dump("minimised.json");
    EXPECT_EQ(geometry(minimised, "WB0"), rect(0, 480, 0, 100));
    EXPECT_EQ(geometry(minimised, "headline0"), rect(0, 0, 7000, 480));
    EXPECT_EQ(geometry(minimised, "sframe"), rect(0, 600, 6855, 2895));
}

TEST_F(Layout, SameLayoutInTheBibleMode)
{
    EXPECT_EQ(dump("bible_mode.json")[QStringLiteral("geometry")], dump("wide.json")[QStringLiteral("geometry")]);
}

class Hover : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new Session(run_session(QStringLiteral("hover.script"))); }
    static void TearDownTestSuite() { delete session; }
    static QJsonObject dump(const char* name) { return session->dump(QString::fromUtf8(name)); }
    static Session* session;
};
Session* Hover::session = nullptr;

TEST_F(Hover, TheScriptsPositionsFitTheWindow)
{
    ASSERT_EQ(session->exit_code, 0) << session->errors.toStdString();
    const QJsonObject window = dump("away.json")[QStringLiteral("window")].toObject();
    EXPECT_EQ(window[QStringLiteral("left")].toDouble(), 0);
    EXPECT_EQ(window[QStringLiteral("top")].toDouble() + window[QStringLiteral("height")].toDouble()
                  - window[QStringLiteral("client_height")].toDouble(),
              660);
}

TEST_F(Hover, NormalPicturesWhileTheCursorIsAway)
{
    const QJsonObject away = dump("away.json");
    for (int i = 0; i <= 19; ++i) {
        EXPECT_TRUE(visible(away, QStringLiteral("but%1").arg(i))) << i;
        EXPECT_FALSE(visible(away, QStringLiteral("but%1").arg(i + 100))) << i;
    }
}

TEST_F(Hover, TheTwinShowsWhileTheCursorRestsOnTheButton)
{
    const QJsonObject on = dump("on_next_day.json");
    EXPECT_TRUE(visible(on, QStringLiteral("but101")));
    EXPECT_FALSE(visible(on, QStringLiteral("but1")));
    // "nächstes Buch" stands at the same place in the hidden Bible row.
    EXPECT_TRUE(visible(on, QStringLiteral("but112")));
    EXPECT_FALSE(visible(on, QStringLiteral("but12")));

    EXPECT_TRUE(visible(dump("left_of_it.json"), QStringLiteral("but1")));
    EXPECT_TRUE(visible(dump("bottom_right_corner.json"), QStringLiteral("but101")));
}

TEST_F(Hover, GoButtonsOfTheBookSearchStayHiddenInTheBibleSearch)
{
    const QJsonObject on_go = dump("on_go_button.json");
    EXPECT_TRUE(visible(on_go, QStringLiteral("but107")));
    EXPECT_FALSE(visible(on_go, QStringLiteral("but7")));

    const QJsonObject hidden = dump("on_hidden_go_button.json");
    EXPECT_FALSE(visible(hidden, QStringLiteral("but7")));
    EXPECT_FALSE(visible(hidden, QStringLiteral("but107")));

    const QJsonObject full_text = dump("on_full_text_go_button.json");
    EXPECT_TRUE(visible(full_text, QStringLiteral("but106")));
    EXPECT_FALSE(visible(full_text, QStringLiteral("but6")));

    const QJsonObject away = dump("away_again.json");
    EXPECT_TRUE(visible(away, QStringLiteral("but6")));
    for (const char* hidden_go : {"but7", "but107", "but19", "but119"})
        EXPECT_FALSE(visible(away, QString::fromUtf8(hidden_go))) << hidden_go;
}

} // namespace
