// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One reader per user: a later start hands over to the running reader
// through a local socket of the user's own, and the running one comes forward.

#include <QObject>
#include <QString>

class QLocalServer;

// The socket's name: in the user's runtime folder, else one with the user's name.
QString instance_socket_name();

// Asks a running reader to come forward (on today's page when `once`);
// true when one answered, false when none runs (a stale socket included).
bool hand_over(const QString& name, bool once);

class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent);

    // Listens on `name`, replacing a socket a crashed reader left behind;
    // false when that fails (the reader then runs on alone). Only the user
    // may connect.
    bool listen(const QString& name);

Q_SIGNALS:
    // A later start handed over to this reader.
    void handed_over(bool once);

private:
    QLocalServer* server_;
};
