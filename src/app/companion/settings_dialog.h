// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The "Einstellungen" dialog: start at login, the daily reminder, the tray
// icon, what a start outside the book's year opens, and adding an edition.

#include "companion_options.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QRadioButton;
class QTimeEdit;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Shows `options` and `autostart`; the tray's box is disabled with its
    // reason when the desktop has no tray. "Jahrgang hinzufügen …" runs
    // `add_edition` at once.
    SettingsDialog(QWidget* parent, const CompanionOptions& options, bool autostart, bool tray_available,
                   const std::function<void()>& add_edition);

    // What the user chose (read after OK).
    CompanionOptions options() const;
    bool autostart() const;

private:
    QCheckBox* autostart_;
    QCheckBox* remind_;
    QTimeEdit* time_;
    QCheckBox* tray_;
    QRadioButton* last_day_;
    QRadioButton* same_day_;
};
