// What the user meets of the window's controls before start-up: the tool
// tips of the buttons and their hover twins, the keyboard order.

#include "widget_application.h"
#include "form1.h"

#include <gtest/gtest.h>

namespace {

class Form1Controls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }

    QWidget* control(const QString& name) const
    {
        auto* widget = form.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    Form1 form{{QStringLiteral("/nowhere"), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record}};
};

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
