// The window's controls as built, before start-up: names, stacking order,
// places at 96 dpi (15 twips per pixel), fonts, colours, tool tips.

#include "widget_application.h"
#include "form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <map>

namespace {

class Form1Controls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }

    void SetUp() override
    {
        ASSERT_EQ(form.twips_scale().per_pixel_x, 15) << "the offscreen screen has 96 dpi";
    }

    QWidget* control(const char* name) const
    {
        auto* widget = form.findChild<QWidget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QRect place(const char* name) const { return control(name)->geometry(); }

    Form1 form{{QStringLiteral("/nowhere"), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record}};
};

TEST_F(Form1Controls, CaptionAndStackingOrderFromBottomToTop)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Selunar 2024"));
    QStringList names;
    for (QObject* child : form.children()) {
        if (child->isWidgetType())
            names.append(child->objectName());
    }
    EXPECT_EQ(names, (QStringList{"bg", "sframe", "WB0", "headline0", "headline1", "WB1", "Command3"}));
}

TEST_F(Form1Controls, ButtonsAndTheirTwinsShareToolTipAndPlace)
{
    const std::map<int, QString> tool_tips = {
        {0, "vorheriger Tag"}, {1, "nächster Tag"}, {2, "heute"}, {3, "Suche"}, {4, "Impressum"},
        {5, "Hilfe"}, {10, "Bibel"}, {11, "vorheriges Buch"}, {12, "nächstes Buch"},
        {13, "vorheriges Kapitel"}, {14, "nächstes Kapitel"}, {15, "Selunar"}, {16, "Suche"},
        {17, "Impressum"}, {18, "Hilfe"}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {19, ""}};
    for (const auto& [index, tool_tip] : tool_tips) {
        QWidget* button = control(QStringLiteral("but%1").arg(index).toUtf8().constData());
        QWidget* twin = control(QStringLiteral("but%1").arg(index + 100).toUtf8().constData());
        EXPECT_EQ(button->toolTip(), tool_tip) << index;
        EXPECT_EQ(twin->toolTip(), tool_tip) << index;
        EXPECT_EQ(twin->geometry(), button->geometry()) << index;
        EXPECT_EQ(twin->parentWidget(), button->parentWidget()) << index;
        EXPECT_TRUE(twin->isHidden() && !button->isHidden()) << index;
    }
}

TEST_F(Form1Controls, PlacesInTheirContainers)
{
    EXPECT_EQ(control("but1")->parentWidget(), control("headline0"));
    EXPECT_EQ(control("but12")->parentWidget(), control("headline1"));
    EXPECT_EQ(control("but19")->parentWidget(), control("sframe"));
    EXPECT_EQ(place("Image1"), QRect(8, 8, 47, 20));
    EXPECT_EQ(place("but10"), QRect(64, 8, 20, 20));
    EXPECT_EQ(place("books"), QRect(208, 8, 125, 21));
    EXPECT_EQ(place("inpvolltext"), QRect(120, 32, 241, 19));
    EXPECT_EQ(place("but9"), QRect(384, 160, 66, 13));
    EXPECT_EQ(place("Command3"), QRect(468, 4, 89, 25));
    EXPECT_EQ(place("sframe").size(), QSize(457, 193));
    EXPECT_EQ(place("headline0").size(), QSize(467, 32));
}

TEST_F(Form1Controls, FontsAndColours)
{
    for (const char* name : {"inpvolltext", "inpbibel", "inpbereich", "inpautor", "inpdatum", "books", "chaps"}) {
        const QFont font = control(name)->font();
        EXPECT_EQ(font.family(), QStringLiteral("Verdana")) << name;
        EXPECT_EQ(font.pointSizeF(), 8.25) << name;
    }
    for (const char* name : {"SVT", "SBst", "SBer", "sAutor", "sDatum"}) {
        EXPECT_TRUE(control(name)->font().bold()) << name;
        EXPECT_EQ(control(name)->palette().color(QPalette::Window), QColor(Qt::white)) << name;
    }
    EXPECT_EQ(control("SL")->font().pointSizeF(), 12);
    EXPECT_EQ(static_cast<QLabel*>(control("SL"))->text(), QStringLiteral("Suche in \"Selunar\""));
    for (const char* row : {"headline0", "headline1"})
        EXPECT_EQ(control(row)->palette().color(QPalette::Window), QColor(217, 217, 225)) << row;
}

TEST_F(Form1Controls, HiddenTestButtonAndRunningTimer)
{
    auto* test_button = static_cast<QPushButton*>(control("Command3"));
    EXPECT_TRUE(test_button->isHidden());
    EXPECT_EQ(test_button->text(), QStringLiteral("Test Bibelstellen"));
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(Form1Controls, KeyboardOrderOfTheSearchPanel)
{
    QStringList order;
    QWidget* widget = control("inpvolltext");
    for (int i = 0; i < 5; ++i, widget = widget->nextInFocusChain()) {
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        order.append(widget->objectName());
    }
    EXPECT_EQ(order, (QStringList{"inpvolltext", "inpbibel", "inpbereich", "inpautor", "inpdatum"}));
    EXPECT_EQ(control("books")->nextInFocusChain(), control("chaps"));
}

} // namespace
