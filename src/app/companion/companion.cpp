// SPDX-License-Identifier: GPL-2.0-or-later
#include "companion.h"

#include "autostart_entry.h"
#include "daily_rules.h"
#include "desktop_notifier.h"
#include "settings_dialog.h"
#include "single_instance.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace {

// Often enough that a reminder comes within its minute; a clock that jumps
// (a suspended laptop waking up) is caught on the next tick.
constexpr int reminder_tick_ms = 20 * 1000;
const QString tray_told_key = QStringLiteral("companion/tray_told");

std::optional<bool> on_off(const QString& value)
{
    if (value == u"on")
        return true;
    if (value == u"off")
        return false;
    return std::nullopt;
}

} // namespace

Companion::Companion(QWidget& window, std::shared_ptr<QSettings> kept, QString autostart_file, Hooks hooks)
    : QObject(&window)
    , window_(window)
    , kept_(std::move(kept))
    , autostart_file_(std::move(autostart_file))
    , hooks_(std::move(hooks))
    , clock_([] { return QTime::currentTime(); })
    , notifier_(new DesktopNotifier(this))
    , reminder_timer_(new QTimer(this))
{
    if (kept_)
        options_ = read_companion_options(*kept_);
    connect(reminder_timer_, &QTimer::timeout, this, [this] {
        // The day may have turned since the last tick, and a tray that was
        // not up yet at login may be there now.
        update_tray();
        check_reminder();
    });
    connect(notifier_, &DesktopNotifier::read_requested, this, [this](QDate day) {
        hooks_.show_day(day);
        bring_forward(false);
    });
}

Companion::~Companion() = default;

void Companion::start(QDate first, QDate last)
{
    first_ = first;
    last_ = last;
    started_ = true;
    update_tray();
    check_reminder();
    reminder_timer_->start(reminder_tick_ms);
}

void Companion::book_changed(QDate first, QDate last)
{
    first_ = first;
    last_ = last;
    if (started_)
        update_tray();
}

void Companion::listen_for_later_starts()
{
    auto* server = new InstanceServer(this);
    connect(server, &InstanceServer::handed_over, this, &Companion::bring_forward);
    server->listen(instance_socket_name());
}

std::optional<QDate> Companion::todays_book_day() const
{
    return book_day(hooks_.today(), first_, last_, options_.outside_year);
}

QDate Companion::todays_page() const
{
    return todays_book_day().value_or(last_);
}

void Companion::day_shown(QDate day)
{
    if (started_ && day == todays_page())
        set_record(DayRecord::page_shown, hooks_.today());
}

std::optional<QDate> Companion::record(DayRecord which) const
{
    if (kept_)
        return read_day_record(*kept_, which);
    return which == DayRecord::page_shown ? page_shown_ : reminded_;
}

void Companion::set_record(DayRecord which, QDate day)
{
    (which == DayRecord::page_shown ? page_shown_ : reminded_) = day;
    if (!kept_)
        return;
    write_day_record(*kept_, which, day);
    // A later start with --once reads it from the file.
    kept_->sync();
}

bool Companion::hides_on_close()
{
    if (quitting_ || !tray_shown())
        return false;
    window_.hide();
    if (kept_ && !kept_->value(tray_told_key).toBool()) {
        tray_->showMessage(hooks_.title(), hooks_.title()
                                               + QStringLiteral(" läuft im Systembereich weiter. "
                                                                "Über das Symbol öffnen Sie es wieder oder beenden es."));
        kept_->setValue(tray_told_key, true);
        kept_->sync();
    }
    return true;
}

void Companion::quit()
{
    quitting_ = true;
    const bool in_tray = tray_shown();
    window_.close();
    // Closing the window ends the program by itself only without the tray.
    if (in_tray)
        QCoreApplication::quit();
}

void Companion::open_settings()
{
    SettingsDialog dialog(&window_, options_, autostart(), tray_available(), hooks_.add_edition);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.options(), dialog.autostart());
}

void Companion::apply(const CompanionOptions& options, bool autostart_on)
{
    options_ = options;
    if (kept_) {
        write_companion_options(*kept_, options_);
        kept_->sync();
    }
    if (autostart_file_.isEmpty()) {
        autostart_in_memory_ = autostart_on;
    } else if (autostart_on != autostart()) {
        const QString failure =
            autostart_on ? write_autostart(autostart_file_, autostart_command(QCoreApplication::applicationFilePath()))
                         : remove_autostart(autostart_file_);
        if (!failure.isEmpty())
            hooks_.message(failure);
    }
    if (started_)
        update_tray();
}

QString Companion::set_option(const QString& name, const QString& value)
{
    CompanionOptions options = options_;
    bool autostart_on = autostart();
    const std::optional<bool> flag = on_off(value);
    if (name == u"autostart" && flag) {
        autostart_on = *flag;
    } else if (name == u"tray" && flag) {
        options.tray = *flag;
    } else if (name == u"reminder" && (value == u"off" || parse_time_of_day(value))) {
        options.reminder = parse_time_of_day(value);
    } else if (name == u"outside_year" && (value == u"last" || value == u"same_day")) {
        options.outside_year = value == u"last" ? OutsideYear::last_day : OutsideYear::same_day;
    } else {
        return QStringLiteral("option %1 cannot be %2").arg(name, value);
    }
    apply(options, autostart_on);
    return {};
}

void Companion::set_clock(QTime time)
{
    clock_ = [time] { return time; };
    check_reminder();
}

bool Companion::autostart() const
{
    return autostart_file_.isEmpty() ? autostart_in_memory_ : QFile::exists(autostart_file_);
}

bool Companion::tray_available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool Companion::tray_shown() const
{
    return tray_ && tray_->isVisible();
}

QString Companion::tray_tooltip() const
{
    return verse_line(hooks_.verse(todays_page()));
}

void Companion::check_reminder()
{
    const QDate today = hooks_.today();
    if (!started_ || !reminder_due(options_.reminder, today, clock_(), record(DayRecord::reminded)))
        return;
    // Recorded before it goes out: a bus that fails is told once, not each tick.
    set_record(DayRecord::reminded, today);
    const QDate day = todays_page();
    QString body = verse_line(hooks_.verse(day));
    if (const QString notice = hooks_.notice(); !notice.isEmpty())
        body += (body.isEmpty() ? QString() : QStringLiteral("\n")) + notice;
    notifications_.push_back({reminder_summary(hooks_.title(), day), body});
    notifier_->send(day, notifications_.back().summary, notifications_.back().body);
}

void Companion::update_tray()
{
    const bool wanted = options_.tray && tray_available();
    if (wanted && !tray_) {
        tray_ = new QSystemTrayIcon(window_.windowIcon(), this);
        auto* menu = new QMenu(&window_);
        connect(menu->addAction(QStringLiteral("Heute lesen")), &QAction::triggered, this, [this] {
            hooks_.show_today();
            bring_forward(false);
        });
        connect(menu->addAction(QStringLiteral("Bibel")), &QAction::triggered, this, [this] {
            hooks_.show_bible();
            bring_forward(false);
        });
        QMenu* editions = menu->addMenu(QStringLiteral("Jahrgang"));
        connect(editions, &QMenu::aboutToShow, this, [this, editions] {
            editions->clear();
            hooks_.edition_menu(*editions);
        });
        connect(menu->addAction(QStringLiteral("Einstellungen")), &QAction::triggered, this, &Companion::open_settings);
        connect(menu->addAction(QStringLiteral("Beenden")), &QAction::triggered, this, &Companion::quit);
        tray_->setContextMenu(menu);
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                toggle_window();
        });
    }
    if (!tray_)
        return;
    tray_->setToolTip(tray_tooltip());
    tray_->setVisible(wanted);
    // With the icon, closing the window leaves the program running in the tray.
    QApplication::setQuitOnLastWindowClosed(!wanted);
}

void Companion::toggle_window()
{
    if (window_.isVisible() && !window_.isMinimized())
        window_.hide();
    else
        bring_forward(false);
}

void Companion::bring_forward(bool once)
{
    // The start that handed over read the file; so does this reader.
    if (kept_)
        kept_->sync();
    if (once && !shown_today(record(DayRecord::page_shown), hooks_.today()))
        hooks_.show_today();
    window_.show();
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.raise();
    window_.activateWindow();
}
