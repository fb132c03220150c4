// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Desktop notifications through the session bus's notification server
// (org.freedesktop.Notifications), with a "Lesen" action. Without a bus or
// a server the notification is dropped with one line on stderr.

#include <QDate>
#include <QObject>

#include <map>

class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject* parent);

    // Hands the notification of `day` to the server; returns at once.
    void send(QDate day, const QString& summary, const QString& body);

Q_SIGNALS:
    // The user chose "Lesen" on the notification of `day`.
    void read_requested(QDate day);

private Q_SLOTS:
    void action_invoked(uint id, const QString& key);

private:
    std::map<uint, QDate> sent_;  // the server's numbers of our notifications
    bool listening_ = false;
};
