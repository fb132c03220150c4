// SPDX-License-Identifier: GPL-2.0-or-later
// The window driven through its widgets, as the user does it: mouse clicks
// on picture buttons, keys in the lists (a click on a link is the view's
// test's business, keys in the fields the scripted sessions'). Runs on
// the demo data in the program folder.

#include "widget_application.h"
#include "form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

class Form1Interaction : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensure_widget_application(); }

    void SetUp() override
    {
        form.Form_Load();
        form.Form_Activate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <class Widget = QWidget>
    Widget* control(const char* name)
    {
        auto* widget = form.findChild<Widget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
    QString last_query() const { return form.queries().isEmpty() ? QString() : form.queries().constLast(); }

    Form1 form{{QStringLiteral(SELUNAR_DATA_DIR), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record, nullptr, {}}};
};

TEST_F(Form1Interaction, PictureButtonsAndTheirTwinsRunTheirCommands)
{
    click("but1");
    EXPECT_EQ(form.state().actdate, QDate(2024, 3, 6));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // While the cursor rests on it, the twin takes the click.
    const QPoint on_button = control("but0")->mapToGlobal(QPoint(10, 10));
    form.set_cursor_source([on_button] { return on_button; });
    form.Timer1_Timer();
    ASSERT_FALSE(control("but100")->isHidden());
    click("but100");
    EXPECT_EQ(form.state().actdate, QDate(2024, 3, 5));

    // For the keyboard and screen readers the button carries its tool tip as
    // its name, and Enter presses it.
    auto* next = control("but1");
    EXPECT_EQ(next->accessibleName(), QStringLiteral("nächster Tag"));
    EXPECT_EQ(control("but6")->accessibleName(), QStringLiteral("Suchen"));
    EXPECT_EQ(next->focusPolicy(), Qt::TabFocus);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(form.state().actdate, QDate(2024, 3, 6));
}

TEST_F(Form1Interaction, ChoosingAnAuthorAndABookWithTheKeyboard)
{
    click("but3");
    auto* authors = control<QComboBox>("inpautor");
    authors->setFocus();
    QTest::keyClick(authors, Qt::Key_Down);
    EXPECT_EQ(last_query(), QStringLiteral("select * from vw1qov where aid=9 order by datum"));
    EXPECT_FALSE(control("WB0")->isHidden());

    click("but10");
    auto* books = control<QComboBox>("books");
    books->setFocus();
    QTest::keyClick(books, Qt::Key_Down);
    EXPECT_EQ(form.state().actbcv, QStringLiteral("2_1_0"));
    EXPECT_EQ(control<QComboBox>("chaps")->count(), 40);
    EXPECT_FALSE(form.state().navbusy);
}

} // namespace
