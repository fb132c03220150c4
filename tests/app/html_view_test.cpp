// SPDX-License-Identifier: GPL-2.0-or-later
#include "widget_application.h"
#include "html_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

class HtmlViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }

    void SetUp() override
    {
        view.resize(400, 200);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // A chapter-like page: 60 verses, each behind an empty anchor.
    static QString long_page()
    {
        QString page = QStringLiteral("<html><body><p>Kapitel</p><table>");
        for (int verse = 1; verse <= 60; ++verse)
            page += QStringLiteral("<tr><td><a name=\"v%1\"></a><span>%1</span></td><td>Vers %1</td></tr>\r\n")
                        .arg(verse);
        return page + QStringLiteral("</table></body></html>");
    }

    HtmlView view;
};

TEST_F(HtmlViewTest, AClickedLinkReportsItsExactTargetAndIsNotFollowed)
{
    QSignalSpy spy(&view, &HtmlView::navigate_complete);
    const QString page = QStringLiteral(
        "<HTML><p><a href=\"BIBLE|19_23_1/19_24_1|\">Psalm 23</a> und <a href=\"GOTO05.03.2024|\">Tag</a> "
        "und <a href=\"AUTOR|12|\">Autor</a></p>\r\n<font size=3></font></HTML>");
    view.write_page(page);
    for (const char* text : {"Psalm 23", "Tag", "Autor"})
        click_in_page(view, QString::fromUtf8(text));

    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("BIBLE|19_23_1/19_24_1|"));
    EXPECT_EQ(spy[1][0].toString(), QStringLiteral("GOTO05.03.2024|"));
    EXPECT_EQ(spy[2][0].toString(), QStringLiteral("AUTOR|12|"));
    // The page stays as written.
    EXPECT_EQ(view.page_text(), page);
    EXPECT_TRUE(view.source().isEmpty());
}

TEST_F(HtmlViewTest, NavigateBlankEmptiesTheViewAndReportsAboutBlank)
{
    view.write_page(QStringLiteral("<p>alt</p>"));
    QSignalSpy spy(&view, &HtmlView::navigate_complete);
    view.navigate_blank();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("about:blank"));
    EXPECT_TRUE(view.page_text().isEmpty());
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST_F(HtmlViewTest, ScrollsTheAnchorToTheTopAndAnUnknownOneToThePagesTop)
{
    view.write_page(long_page());
    EXPECT_EQ(view.top_anchor(), QStringLiteral("v1"));
    view.scroll_to_anchor(QStringLiteral("v30"));
    EXPECT_EQ(view.top_anchor(), QStringLiteral("v30"));
    view.scroll_to_anchor(QStringLiteral("v999"));
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    view.write_page(QStringLiteral("<p>ohne Anker</p>"));
    EXPECT_EQ(view.top_anchor(), std::nullopt);
}

TEST_F(HtmlViewTest, AHiddenViewScrollsWhenShownUnlessANewPageCame)
{
    view.hide();
    view.write_page(long_page());
    view.scroll_to_anchor(QStringLiteral("v40"));
    view.show();
    EXPECT_EQ(view.top_anchor(), QStringLiteral("v40"));

    view.hide();
    view.scroll_to_anchor(QStringLiteral("v20"));
    view.write_page(long_page());
    view.show();
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
}

TEST_F(HtmlViewTest, ZoomAndColourSetRewriteThePageAtTheVerseRead)
{
    view.write_page(long_page());
    view.scroll_to_anchor(QStringLiteral("v30"));
    view.set_presentation(200, true);
    EXPECT_EQ(view.top_anchor(), QStringLiteral("v30"));
    EXPECT_NE(view.page_text(), long_page());
    view.set_presentation(100, false);
    EXPECT_EQ(view.page_text(), long_page());
    EXPECT_EQ(view.built_page(), long_page());

    // Ctrl+wheel asks the window for whole zoom steps; a plain wheel scrolls.
    QSignalSpy zoom(&view, &HtmlView::zoom_requested);
    const auto wheel = [&](int angle, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), {}, {0, angle}, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    };
    wheel(60, Qt::ControlModifier);
    wheel(300, Qt::ControlModifier);
    wheel(-120, Qt::NoModifier);
    ASSERT_EQ(zoom.count(), 1);
    EXPECT_EQ(zoom[0][0].toInt(), 3);
}

} // namespace
