// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The daily companion beside the window: its options and the settings
// dialog, the autostart entry, the daily reminder, the tray icon, the page
// a start opens outside the book's year, and the hand-over from later starts.

#include "companion_options.h"
#include "day_verse.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DesktopNotifier;
class QMenu;
class QSettings;
class QSystemTrayIcon;
class QTimer;
class QWidget;

class Companion : public QObject {
    Q_OBJECT

public:
    // What the companion asks of the window.
    struct Hooks {
        std::function<QDate()> today;                // the calendar's today
        std::function<DayVerse(QDate)> verse;        // a book day's guiding verse
        std::function<QString()> title;              // the name of today's book, "Selunar 2025"
        std::function<QString()> notice;             // a line for the next reminder, once; empty for none
        std::function<void(QMenu&)> edition_menu;    // fills the tray's "Jahrgang" menu
        std::function<void()> add_edition;           // "Jahrgang hinzufügen …" of the settings
        std::function<void(QDate)> show_day;         // shows that day's page
        std::function<void()> show_today;            // as the key "Heute"
        std::function<void()> show_bible;
        std::function<void(const QString&)> message; // a message box
    };

    struct Notification {
        QString summary;
        QString body;
    };

    // `kept` holds the options and records (none: they live only in this
    // run); `autostart_file` is the autostart entry (empty: none is written).
    Companion(QWidget& window, std::shared_ptr<QSettings> kept, QString autostart_file, Hooks hooks);
    ~Companion() override;

    // Once the book's days are known, before the first page: the tray and
    // the reminder (due at once when its time has passed).
    void start(QDate first, QDate last);
    // Today's book is another edition now, with these days.
    void book_changed(QDate first, QDate last);
    // Later starts of the reader hand over to this one (not for scripted sessions).
    void listen_for_later_starts();

    // The day of the book a start on today opens without a message; none
    // when the start shows the last day with its message.
    std::optional<QDate> todays_book_day() const;
    // A day page was shown: today's is recorded for --once.
    void day_shown(QDate day);
    // The window is being closed: true when it only hides in the tray.
    bool hides_on_close();

    // Ends the program, also from the tray: the window closes and keeps its place.
    void quit();
    void open_settings();
    // Sets the options as the dialog's OK does.
    void apply(const CompanionOptions& options, bool autostart);
    // A scripted "option NAME VALUE"; returns an error text, empty when done.
    QString set_option(const QString& name, const QString& value);
    // From now on the time of day is `time`, and a reminder due then goes out.
    void set_clock(QTime time);

    const CompanionOptions& options() const { return options_; }
    bool autostart() const;
    bool tray_available() const;
    bool tray_shown() const;
    QString tray_tooltip() const;
    const std::vector<Notification>& notifications() const { return notifications_; }

private:
    void check_reminder();
    void update_tray();
    void toggle_window();
    void bring_forward(bool once);
    std::optional<QDate> record(DayRecord which) const;
    void set_record(DayRecord which, QDate day);
    QDate todays_page() const;

    QWidget& window_;
    std::shared_ptr<QSettings> kept_;
    QString autostart_file_;
    Hooks hooks_;
    CompanionOptions options_;
    bool autostart_in_memory_ = false;
    std::optional<QDate> page_shown_;
    std::optional<QDate> reminded_;
    std::function<QTime()> clock_;
    QDate first_;
    QDate last_;
    bool started_ = false;
    bool quitting_ = false;
    std::vector<Notification> notifications_;
    DesktopNotifier* notifier_;
    QTimer* reminder_timer_;
    QSystemTrayIcon* tray_ = nullptr;
};
