// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings_dialog.h"

#include "next_year.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

SettingsDialog::SettingsDialog(QWidget* parent, const CompanionOptions& options, bool autostart, bool tray_available,
                               const std::function<void()>& add_edition)
    : QDialog(parent)
    , autostart_(new QCheckBox(QStringLiteral("Beim Anmelden starten"), this))
    , remind_(new QCheckBox(QStringLiteral("Täglich erinnern um"), this))
    , time_(new QTimeEdit(options.reminder.value_or(QTime(8, 0)), this))
    , tray_(new QCheckBox(QStringLiteral("Symbol im Systembereich zeigen"), this))
    , last_day_(new QRadioButton(QStringLiteral("den letzten Tag zeigen"), this))
    , same_day_(new QRadioButton(QStringLiteral("denselben Kalendertag im Buchjahr zeigen"), this))
{
    setWindowTitle(QStringLiteral("Einstellungen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autostart_);
    autostart_->setChecked(autostart);

    auto* reminder = new QHBoxLayout;
    reminder->addWidget(remind_);
    reminder->addWidget(time_);
    reminder->addStretch();
    layout->addLayout(reminder);
    time_->setDisplayFormat(QStringLiteral("HH:mm"));
    remind_->setChecked(options.reminder.has_value());
    time_->setEnabled(remind_->isChecked());
    connect(remind_, &QCheckBox::toggled, time_, &QWidget::setEnabled);

    layout->addWidget(tray_);
    tray_->setChecked(options.tray);
    if (!tray_available) {
        tray_->setEnabled(false);
        auto* reason = new QLabel(QStringLiteral("Die Arbeitsumgebung hat keinen Systembereich für Symbole."), this);
        reason->setObjectName(QStringLiteral("tray_reason"));
        layout->addWidget(reason);
    }

    auto* outside = new QGroupBox(QStringLiteral("Außerhalb des Buchjahres"), this);
    auto* choices = new QVBoxLayout(outside);
    choices->addWidget(last_day_);
    choices->addWidget(same_day_);
    (options.outside_year == OutsideYear::same_day ? same_day_ : last_day_)->setChecked(true);
    layout->addWidget(outside);

    auto* add = new QPushButton(add_edition_label(), this);
    add->setObjectName(QStringLiteral("add_edition"));
    connect(add, &QPushButton::clicked, this, [add_edition] { add_edition(); });
    layout->addWidget(add, 0, Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CompanionOptions SettingsDialog::options() const
{
    CompanionOptions chosen;
    // A disabled box keeps what the settings say: a tray that comes back finds it.
    chosen.tray = tray_->isChecked();
    if (remind_->isChecked())
        chosen.reminder = QTime(time_->time().hour(), time_->time().minute());
    chosen.outside_year = same_day_->isChecked() ? OutsideYear::same_day : OutsideYear::last_day;
    return chosen;
}

bool SettingsDialog::autostart() const
{
    return autostart_->isChecked();
}
