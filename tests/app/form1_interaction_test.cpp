// SPDX-License-Identifier: GPL-2.0-or-later
// The window driven through its widgets, as the user does it: mouse clicks
// on picture buttons, keys in the lists (a click on a link is the view's
// test's business, keys in the fields the scripted sessions'). Runs on
// the demo data in the program folder.

#include "widget_application.h"
#include "editions/edition_bar.h"
#include "editions/editions_control.h"
#include "form1.h"
#include "html_view.h"
#include "sword_test_folder.h"
#include "translations/translations_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

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

// The "Jahrgang" menu of the context menus, the tray and Ctrl+J: every
// edition, the shown one ticked, an unusable one greyed with its cause,
// and the command that adds one; choosing an entry changes the edition.
TEST_F(Form1Interaction, TheEditionMenuListsAndChangesTheEditions)
{
    QMenu menu;
    form.editions().fill_menu(menu);
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    EXPECT_EQ(texts, (QStringList{u"2024"_qs, u"2025"_qs, u"|"_qs, u"Jahrgang hinzufügen …"_qs}));
    EXPECT_TRUE(menu.actions()[0]->isChecked());
    EXPECT_FALSE(menu.actions()[1]->isChecked());

    menu.actions()[1]->trigger();
    EXPECT_EQ(form.state().actdate, QDate(2025, 3, 5));
    EXPECT_EQ(form.windowTitle(), u"Selunar 2025 – Mittwoch, 5. März 2025"_qs);
    QMenu again;
    form.editions().fill_menu(again);
    EXPECT_FALSE(again.actions()[0]->isChecked());
    EXPECT_TRUE(again.actions()[1]->isChecked());

    // The line under the day page: the other year, a click away.
    const QList<QToolButton*> years = form.findChild<EditionBar*>()->year_buttons();
    ASSERT_EQ(years.size(), 1);
    EXPECT_EQ(years[0]->text(), u"2024"_qs);
    EXPECT_EQ(years[0]->accessibleName(), u"Dieser Tag im Jahrgang 2024"_qs);
    QTest::mouseClick(years[0], Qt::LeftButton);
    EXPECT_EQ(form.state().actdate, QDate(2024, 3, 5));
}

TEST(EditionMenu, AnUnusableEditionIsGreyedWithItsCauseAndTwinsByTheirFolders)
{
    ensure_widget_application();
    QTemporaryDir data;
    for (const char* part : {"qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"})
        QFile::link(QStringLiteral(SELUNAR_DATA_DIR) + QLatin1String(part), data.filePath(QLatin1String(part)));
    for (const char* twin : {"A", "B & C", "Kaputt"})
        QDir(data.path()).mkdir(QLatin1String(twin));
    QFile::copy(QStringLiteral(SELUNAR_DATA_DIR "2025/qov.mdb"), data.filePath(u"A/qov.mdb"_qs));
    QFile::copy(QStringLiteral(SELUNAR_DATA_DIR "2025/qov.mdb"), data.filePath(u"B & C/qov.mdb"_qs));
    QFile broken(data.filePath(u"Kaputt/qov.mdb"_qs));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("kein Buch");
    broken.close();

    Form1 form{{data.path(), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record, nullptr, {}}};
    form.Form_Load();
    QMenu menu;
    form.editions().fill_menu(menu);
    QStringList texts;
    for (const QAction* action : menu.actions().mid(0, 4))
        texts.append(action->text() + (action->isEnabled() ? QString() : u" [grau]"_qs));
    // A folder's ampersand is shown, not taken for a shortcut's mark.
    EXPECT_EQ(texts, (QStringList{u"2024"_qs, u"2025 (A)"_qs, u"2025 (B && C)"_qs,
                                  u"Kaputt: keine gültige Access-Datei [grau]"_qs}));
    EXPECT_EQ(menu.actions()[3]->toolTip(), data.filePath(u"Kaputt/qov.mdb"_qs) + u": keine gültige Access-Datei"_qs);
}

// The chooser "Übersetzung" over the Bible view: the main translation and
// those beside it, a locked module greyed with its cause; choosing shows the
// chapter side by side.
TEST(TranslationMenu, TheChooserListsChoosesAndGreysALockedModule)
{
    ensure_widget_application();
    const SwordTestFolder sword;
    sword.copy_module(u"engKJV2006eb"_qs, u"Locked"_qs, {"CipherKey=", "Description=Gesperrt & verschlossen"});
    Form1 form({QStringLiteral(SELUNAR_DATA_DIR), [] { return QDate(2024, 3, 5); }, MessageBoxes::Mode::Record,
                nullptr, {}, {}, sword.path()});
    form.Form_Load();
    form.Form_Activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.run_key_command(KeyCommand::bible);

    auto* button = form.findChild<QToolButton*>(u"translation"_qs);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->accessibleName(), u"Übersetzung wählen"_qs);
    EXPECT_EQ(button->text(), u"Übersetzung: Elberfelder"_qs);
    const auto* view = form.findChild<HtmlView*>(u"WB1"_qs);
    EXPECT_EQ(button->geometry().right(), view->viewport()->geometry().right());

    const auto entry = [&](const QString& name) {
        Q_EMIT button->menu()->aboutToShow();
        auto* action = button->menu()->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return action;
    };
    EXPECT_FALSE(entry(u"main:Locked"_qs)->isEnabled());
    EXPECT_EQ(entry(u"main:Locked"_qs)->text(), u"KJV – Gesperrt && verschlossen (en): gesperrt"_qs);
    EXPECT_TRUE(entry(u"main:Buch"_qs)->isChecked());

    entry(u"main:engKJV2006eb"_qs)->trigger();
    EXPECT_EQ(form.translations().shown(), QStringList{u"engKJV2006eb"_qs});
    EXPECT_EQ(button->text(), u"Übersetzung: KJV"_qs);
    EXPECT_TRUE(view->built_page().contains(u">KJV</th>"_qs));

    entry(u"beside:Buch"_qs)->trigger();
    EXPECT_EQ(form.translations().shown(), (QStringList{u"engKJV2006eb"_qs, u"Buch"_qs}));
    EXPECT_FALSE(entry(u"beside:engKJV2006eb"_qs)->isEnabled());
    EXPECT_TRUE(entry(u"beside:Buch"_qs)->isChecked());
    EXPECT_EQ(button->geometry().right(), view->viewport()->geometry().right());
}
