// SPDX-License-Identifier: GPL-2.0-or-later
#include "desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <cstdio>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString action_key = QStringLiteral("lesen");

void report(const QString& cause)
{
    std::fprintf(stderr, "selunar: Die Erinnerung kann nicht gezeigt werden: %s\n", qPrintable(cause));
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent)
    : QObject(parent)
{
}

void DesktopNotifier::send(QDate day, const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        report(QStringLiteral("keine Verbindung zum Sitzungsbus (D-Bus)"));
        return;
    }
    if (!listening_)
        // Any sender: the server's unique name is only known once it answers.
        listening_ = bus.connect(QString(), path, service, QStringLiteral("ActionInvoked"), this,
                                 SLOT(action_invoked(uint, QString)));
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("de.selunar.Reader")}};
    call << QStringLiteral("Selunar") << quint32(0) << QStringLiteral("de.selunar.Reader") << summary << body
         << QStringList{action_key, QStringLiteral("Lesen")} << hints << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, day] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError())
            report(reply.error().message());
        else
            sent_[reply.value()] = day;
        watcher->deleteLater();
    });
}

void DesktopNotifier::action_invoked(uint id, const QString& key)
{
    const auto found = sent_.find(id);
    if (found != sent_.end() && key == action_key)
        Q_EMIT read_requested(found->second);
}
