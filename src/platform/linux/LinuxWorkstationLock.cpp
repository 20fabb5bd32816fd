#include "LinuxWorkstationLock.h"

#include <QDBusMessage>

namespace {

// A locker that does not answer within this time counts as absent; the break screen is waiting on it.
constexpr int kCallTimeoutMs = 2000;

} // namespace

LinuxWorkstationLock::LinuxWorkstationLock() = default;

LinuxWorkstationLock::LinuxWorkstationLock(const QDBusConnection &sessionBus, const QDBusConnection &systemBus)
    : m_sessionBus(sessionBus), m_systemBus(systemBus)
{}

bool LinuxWorkstationLock::lock()
{
    const QString screenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
    const QDBusMessage viaScreenSaver = QDBusMessage::createMethodCall(
        screenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), screenSaver, QStringLiteral("Lock"));
    if (sessionBus().call(viaScreenSaver, QDBus::Block, kCallTimeoutMs).type() == QDBusMessage::ReplyMessage) {
        return true;
    }
    QDBusMessage viaLogind = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("LockSession"));
    viaLogind << QString(); // an empty session name means the caller's own session
    return systemBus().call(viaLogind, QDBus::Block, kCallTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

QDBusConnection LinuxWorkstationLock::sessionBus()
{
    if (!m_sessionBus) {
        m_sessionBus = QDBusConnection::sessionBus();
    }
    return *m_sessionBus;
}

QDBusConnection LinuxWorkstationLock::systemBus()
{
    if (!m_systemBus) {
        m_systemBus = QDBusConnection::systemBus();
    }
    return *m_systemBus;
}
