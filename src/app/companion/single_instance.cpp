// SPDX-License-Identifier: GPL-2.0-or-later
#include "single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

const QByteArray show_request = "show\n";
const QByteArray once_request = "once\n";
constexpr int wait_ms = 500;

} // namespace

QString instance_socket_name()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/selunar.socket");
    return QStringLiteral("selunar-") + qEnvironmentVariable("USER", QStringLiteral("user"));
}

bool hand_over(const QString& name, bool once)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(wait_ms))
        return false;
    socket.write(once ? once_request : show_request);
    // The running reader answers once it has the request: until then it may
    // still be a reader that is just ending.
    return socket.waitForBytesWritten(wait_ms) && socket.waitForReadyRead(wait_ms);
}

InstanceServer::InstanceServer(QObject* parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray request = socket->readLine();
                socket->write("ok\n");
                socket->flush();
                Q_EMIT handed_over(request == once_request);
            });
        }
    });
}

bool InstanceServer::listen(const QString& name)
{
    // With an access option Qt makes the socket beside its place and renames
    // it there, over a socket file that a crashed reader left behind.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(name);
}
