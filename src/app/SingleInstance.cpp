#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QString kInstanceKey = QStringLiteral("Brookvane.Glarewell.Windows");
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::endpoint()
{
    // The runtime location is private to the user (mode 0700); Qt creates a fallback one when the session
    // does not provide it.
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty()) {
        return kInstanceKey;
    }
    QDir().mkpath(runtimeDir);
    return QDir(runtimeDir).filePath(kInstanceKey);
}

bool SingleInstance::forward(const QString &message)
{
    QLocalSocket socket;
    socket.connectToServer(endpoint(), QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return false;
    }
    socket.write(message.toUtf8());
    socket.flush();
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::removeStaleEndpoint()
{
    QLocalServer::removeServer(endpoint());
}

bool SingleInstance::listen()
{
    if (!m_server->listen(endpoint())) {
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QString text = QString::fromUtf8(socket->readAll()).trimmed();
            if (text.startsWith(QLatin1String("activate"))) {
                emit activateRequested();
            }
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}
