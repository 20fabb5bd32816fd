#pragma once

#include "KeepAwake.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <optional>

// Keeps the screen from blanking through the desktop's screen saver service
// (org.freedesktop.ScreenSaver.Inhibit), or, where no such service runs, through an "idle" inhibitor
// lock from logind. Calls are asynchronous so a slow bus never stalls the break screen; when neither
// service answers nothing happens.
class LinuxKeepAwake final : public KeepAwake {
public:
    LinuxKeepAwake();
    // For tests: the buses to use in place of the user's session bus and the system bus.
    LinuxKeepAwake(const QDBusConnection &sessionBus, const QDBusConnection &systemBus);
    ~LinuxKeepAwake() override;

    void inhibit(const QString &reason) override;
    void release() override;

private:
    void inhibitThroughLogind();
    void dropInhibition();

    QDBusConnection sessionBus();
    QDBusConnection systemBus();

    // Connected on first use, so that merely creating the service never starts a bus.
    std::optional<QDBusConnection> m_sessionBus;
    std::optional<QDBusConnection> m_systemBus;
    // Context object for the reply handlers: replies arriving after destruction are dropped.
    QObject m_context;
    QString m_reason;
    bool m_wanted = false;          // inhibit() was called and release() not yet
    bool m_pending = false;         // a request is on its way
    uint m_cookie = 0;              // screen saver inhibition, 0 when none
    QDBusUnixFileDescriptor m_lock; // logind inhibitor: held open while in force
};
