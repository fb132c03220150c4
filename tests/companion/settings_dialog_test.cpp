// SPDX-License-Identifier: GPL-2.0-or-later
// The settings dialog as the user reaches it: its key opens it over the
// window, it shows the options, OK sets what was chosen and Abbrechen nothing.

#include "companion/companion.h"
#include "companion/settings_dialog.h"
#include "form1.h"
#include "widget_application.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What the user does in the dialog that the key `Ctrl+,` opens over `form`.
void in_dialog(Form1& form, const std::function<void(SettingsDialog&)>& act)
{
    QTimer::singleShot(0, [&act] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_Comma, Qt::ControlModifier);
}

QAbstractButton* labelled(SettingsDialog& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << text.toStdString();
    return nullptr;
}

} // namespace

TEST(SettingsDialog, OpensOnItsKeyAndOkSetsWhatWasChosen)
{
    ensure_widget_application();
    Form1 form{{QStringLiteral(SELUNAR_DATA_DIR), [] { return QDate(2024, 12, 5); }, MessageBoxes::Mode::Record, nullptr, {}}};
    form.Form_Load();
    form.Form_Activate();

    in_dialog(form, [](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        // The offscreen desktop has no tray: the box says why it cannot be ticked.
        EXPECT_FALSE(labelled(dialog, QStringLiteral("Symbol im Systembereich zeigen"))->isEnabled());
        EXPECT_NE(dialog.findChild<QLabel*>(QStringLiteral("tray_reason")), nullptr);
        EXPECT_TRUE(labelled(dialog, QStringLiteral("den letzten Tag zeigen"))->isChecked());
        labelled(dialog, QStringLiteral("Täglich erinnern um"))->click();
        labelled(dialog, QStringLiteral("denselben Kalendertag im Buchjahr zeigen"))->click();
        labelled(dialog, QStringLiteral("Beim Anmelden starten"))->click();
        labelled(dialog, QStringLiteral("Abbrechen"))->click();
    });
    EXPECT_EQ(form.companion()->options(), CompanionOptions{});

    in_dialog(form, [](SettingsDialog& dialog) {
        labelled(dialog, QStringLiteral("Täglich erinnern um"))->click();
        labelled(dialog, QStringLiteral("denselben Kalendertag im Buchjahr zeigen"))->click();
        labelled(dialog, QStringLiteral("Beim Anmelden starten"))->click();
        labelled(dialog, QStringLiteral("OK"))->click();
    });
    EXPECT_EQ(form.companion()->options(), (CompanionOptions{false, QTime(8, 0), OutsideYear::same_day}));
    EXPECT_TRUE(form.companion()->autostart());

    // Opened again it shows what is set.
    in_dialog(form, [](SettingsDialog& dialog) {
        EXPECT_TRUE(labelled(dialog, QStringLiteral("Täglich erinnern um"))->isChecked());
        EXPECT_TRUE(labelled(dialog, QStringLiteral("denselben Kalendertag im Buchjahr zeigen"))->isChecked());
        EXPECT_TRUE(labelled(dialog, QStringLiteral("Beim Anmelden starten"))->isChecked());
    });
}
