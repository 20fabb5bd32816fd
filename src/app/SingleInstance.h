#pragma once

#include <QObject>

class QLocalServer;

// One instance per user: later starts hand a one-word message to the running instance over a local socket.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr int kConnectTimeoutMs = 300;

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // The per-user endpoint: a socket in the user's private runtime directory, never shared between users.
    static QString endpoint();
    // Sends the message to a running instance; false when none answered in time.
    static bool forward(const QString &message);
    // Clears an endpoint left behind by an instance that died without closing it.
    static void removeStaleEndpoint();

    // Starts accepting messages; false when the endpoint cannot be taken (the program then runs without it).
    bool listen();

signals:
    void activateRequested();

private:
    void acceptConnections();

    QLocalServer *m_server;
};
