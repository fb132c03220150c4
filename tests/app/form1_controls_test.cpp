// The window's controls as built, before start-up: names, stacking order,
// places at 96 dpi (15 twips per pixel), tool tips, keyboard order.

#include "widget_application.h"
#include "form1.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

namespace {

class Form1Controls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }

    void SetUp() override { ASSERT_EQ(form.twips_scale().per_pixel_x, 15) << "the offscreen screen has 96 dpi"; }

    QWidget* control(const QString& name) const
    {
        auto* widget = form.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    Form1 form{{QStringLiteral("/nowhere"), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record}};
};

TEST_F(Form1Controls, CaptionStackingOrderAndHiddenTestButton)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Selunar 2024"));
    QStringList names;
    for (QObject* child : form.children())
        if (child->isWidgetType())
            names.append(child->objectName());
    EXPECT_EQ(names, (QStringList{"bg", "sframe", "WB0", "headline0", "headline1", "WB1", "Command3"}));
    EXPECT_TRUE(control("Command3")->isHidden());
    EXPECT_EQ(static_cast<QPushButton*>(control("Command3"))->text(), QStringLiteral("Test Bibelstellen"));
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(Form1Controls, ButtonsAndTheirHiddenTwinsShareToolTipAndPlace)
{
    const std::pair<int, const char*> tool_tips[] = {
        {0, "vorheriger Tag"}, {1, "nächster Tag"}, {2, "heute"}, {3, "Suche"}, {4, "Impressum"},
        {5, "Hilfe"}, {10, "Bibel"}, {11, "vorheriges Buch"}, {12, "nächstes Buch"},
        {13, "vorheriges Kapitel"}, {14, "nächstes Kapitel"}, {15, "Selunar"}, {16, "Suche"},
        {17, "Impressum"}, {18, "Hilfe"}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {19, ""}};
    for (const auto& [index, tool_tip] : tool_tips) {
        SCOPED_TRACE(index);
        QWidget* button = control(QStringLiteral("but%1").arg(index));
        QWidget* twin = control(QStringLiteral("but%1").arg(index + 100));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(tool_tip));
        EXPECT_EQ(twin->toolTip(), button->toolTip());
        EXPECT_EQ(twin->geometry(), button->geometry());
        EXPECT_EQ(twin->parentWidget(), button->parentWidget());
        EXPECT_TRUE(twin->isHidden() && !button->isHidden());
    }
}

TEST_F(Form1Controls, PlacesInTheirContainers)
{
    EXPECT_EQ(control("but1")->parentWidget(), control("headline0"));
    EXPECT_EQ(control("but12")->parentWidget(), control("headline1"));
    EXPECT_EQ(control("but19")->parentWidget(), control("sframe"));
    const std::pair<const char*, QRect> places[] = {
        {"Image1", {8, 8, 47, 20}},         {"but10", {64, 8, 20, 20}},  {"books", {208, 8, 125, 21}},
        {"inpvolltext", {120, 32, 241, 19}}, {"but9", {384, 160, 66, 13}}, {"Command3", {468, 4, 89, 25}}};
    for (const auto& [name, place] : places)
        EXPECT_EQ(control(name)->geometry(), place) << name;
    EXPECT_EQ(control("sframe")->size(), QSize(457, 193));
    EXPECT_EQ(control("headline0")->size(), QSize(467, 32));
}

TEST_F(Form1Controls, KeyboardOrderOfTheSearchPanel)
{
    QStringList order;
    for (QWidget* widget = control("inpvolltext"); order.size() < 5; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() != Qt::NoFocus)
            order.append(widget->objectName());
    EXPECT_EQ(order, (QStringList{"inpvolltext", "inpbibel", "inpbereich", "inpautor", "inpdatum"}));
    EXPECT_EQ(control("books")->nextInFocusChain(), control("chaps"));
}

} // namespace
