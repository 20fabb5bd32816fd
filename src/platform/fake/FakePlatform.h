#pragma once

#include "PlatformServices.h"

#include <QHash>
#include <QList>
#include <QStringList>

// A platform that tests drive by hand: set the idle time and the foreground window, fire hotkeys, and
// read back what the program asked of the system.
class FakeIdleTime final : public IdleTimeSource {
public:
    std::optional<qint64> idleMilliseconds() const override { return idle; }
    std::optional<qint64> idle = 0;
};

class FakeForeground final : public ForegroundWindowSource {
public:
    std::optional<ForegroundWindow> foregroundWindow() const override { return window; }
    std::optional<ForegroundWindow> window;
};

class FakeHotkeys final : public GlobalHotkeys {
    Q_OBJECT
public:
    bool registerHotkey(int id, const QString &combination) override;
    void unregisterHotkey(int id) override { registered.remove(id); }
    void unregisterAll() override;
    // Simulates the user pressing a registered combination.
    bool press(const QString &combination);

    QHash<int, QString> registered;
    QStringList refused; // combinations "taken by another program"
    int unregisterAllCalls = 0;
};

class FakeStacking final : public WindowStacking {
public:
    void keepAbove(QWindow *window) override { keptAbove.append(window); }
    void raise(QWindow *window) override { raised.append(window); }
    void setInputTransparent(QWindow *window) override { inputTransparent.append(window); }
    bool ownWindowActive() const override { return ownActive; }
    bool canBlendWindows() const override { return blending; }

    QList<QWindow *> keptAbove;
    QList<QWindow *> raised;
    QList<QWindow *> inputTransparent;
    bool ownActive = false;
    bool blending = true;
};

class FakeKeepAwake final : public KeepAwake {
public:
    void inhibit(const QString &) override
    {
        active = true;
        ++inhibitCalls;
    }
    void release() override
    {
        active = false;
        ++releaseCalls;
    }
    bool active = false;
    int inhibitCalls = 0;
    int releaseCalls = 0;
};

class FakeLock final : public WorkstationLock {
public:
    bool lock() override
    {
        ++lockCalls;
        return available;
    }
    bool available = true;
    int lockCalls = 0;
};

class FakeKeyboardBlocker final : public KeyboardBlocker {
public:
    bool grab(QWindow *target) override
    {
        grabbedFor = target;
        return true;
    }
    void release() override { grabbedFor = nullptr; }
    bool isGrabbed() const override { return grabbedFor != nullptr; }
    QWindow *grabbedFor = nullptr;
};

class FakeTaskbar final : public TaskbarControl {
public:
    bool setTaskbarVisible(bool isVisible) override
    {
        visible = isVisible;
        return true;
    }
    int runTransparencyHelper(bool transparent) override
    {
        helperRuns.append(transparent);
        return helperExitCode;
    }
    bool visible = true;
    QList<bool> helperRuns;
    int helperExitCode = 0;
};

class FakeDesktopTheme final : public DesktopTheme {
public:
    bool applyDarkTheme(bool isDark) override
    {
        dark = isDark;
        ++applyCalls;
        return true;
    }
    bool dark = false;
    int applyCalls = 0;
};

class FakeAutostart final : public Autostart {
public:
    bool setEnabled(bool isEnabled, const QString &executable, const QStringList &arguments) override
    {
        enabled = isEnabled;
        lastExecutable = executable;
        lastArguments = arguments;
        return true;
    }
    bool isEnabled() const override { return enabled; }
    bool enabled = false;
    QString lastExecutable;
    QStringList lastArguments;
};

class FakeElevation final : public Elevation {
public:
    bool isElevated() const override { return elevated; }
    bool startElevated(const QStringList &arguments) override
    {
        elevatedStarts.append(arguments);
        return allowElevatedStart;
    }
    bool elevated = false;
    bool allowElevatedStart = true;
    QList<QStringList> elevatedStarts;
};

class FakeEventLog final : public EventLogSource {
public:
    QList<SystemEvent> readEvents() const override { return events; }
    QList<SystemEvent> events;
};

// Owns one of each fake and hands out a PlatformServices whose members point at them.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    PlatformServices &services() { return *m_services; }

    FakeIdleTime *idle;
    FakeForeground *foreground;
    FakeHotkeys *hotkeys;
    FakeStacking *stacking;
    FakeKeepAwake *keepAwake;
    FakeLock *lock;
    FakeKeyboardBlocker *keyboard;
    FakeTaskbar *taskbar;
    FakeDesktopTheme *theme;
    FakeAutostart *autostart;
    FakeElevation *elevation;
    FakeEventLog *eventLog;

private:
    std::unique_ptr<PlatformServices> m_services;
};
