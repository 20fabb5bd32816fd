#pragma once

#include "PlatformServices.h"

// Stand-ins for services a system does not offer: every call fails quietly and changes nothing.
namespace Unavailable {

class IdleTime final : public IdleTimeSource {
public:
    std::optional<qint64> idleMilliseconds() const override { return std::nullopt; }
};

class Foreground final : public ForegroundWindowSource {
public:
    std::optional<ForegroundWindow> foregroundWindow() const override { return std::nullopt; }
};

class Hotkeys final : public GlobalHotkeys {
public:
    bool registerHotkey(int, const QString &) override { return false; }
    void unregisterHotkey(int) override {}
    void unregisterAll() override {}
};

class Stacking final : public WindowStacking {
public:
    void keepAbove(QWindow *) override {}
    void raise(QWindow *) override {}
    void setInputTransparent(QWindow *) override {}
    bool ownWindowActive() const override { return false; }
};

class Awake final : public KeepAwake {
public:
    void inhibit(const QString &) override {}
    void release() override {}
};

class Lock final : public WorkstationLock {
public:
    bool lock() override { return false; }
};

class Keyboard final : public KeyboardBlocker {
public:
    bool grab(QWindow *) override { return false; }
    void release() override {}
    bool isGrabbed() const override { return false; }
};

class Taskbar final : public TaskbarControl {
public:
    bool setTaskbarVisible(bool) override { return false; }
    int runTransparencyHelper(bool) override { return 2; }
};

class Theme final : public DesktopTheme {
public:
    bool applyDarkTheme(bool) override { return false; }
};

class Startup final : public Autostart {
public:
    bool setEnabled(bool, const QString &, const QStringList &) override { return false; }
    bool isEnabled() const override { return false; }
};

class Admin final : public Elevation {
public:
    bool isElevated() const override { return false; }
    bool startElevated(const QStringList &) override { return false; }
};

class EventLog final : public EventLogSource {
public:
    QList<SystemEvent> readEvents() const override { return {}; }
};

// Fills every empty slot with its stand-in.
void fillMissing(PlatformServices &services);

} // namespace Unavailable
