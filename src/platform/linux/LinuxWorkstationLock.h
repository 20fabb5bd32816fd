#pragma once

#include "WorkstationLock.h"

#include <QDBusConnection>
#include <optional>

// Locks the session through the desktop's screen saver service (org.freedesktop.ScreenSaver.Lock), or
// through logind's LockSession for the caller's own session when no screen saver service answers.
class LinuxWorkstationLock final : public WorkstationLock {
public:
    LinuxWorkstationLock();
    // For tests: the buses to use in place of the user's session bus and the system bus.
    LinuxWorkstationLock(const QDBusConnection &sessionBus, const QDBusConnection &systemBus);

    bool lock() override;

private:
    QDBusConnection sessionBus();
    QDBusConnection systemBus();

    // Connected on first use, so that merely creating the service never starts a bus.
    std::optional<QDBusConnection> m_sessionBus;
    std::optional<QDBusConnection> m_systemBus;
};
