#include "FakePlatform.h"

bool FakeHotkeys::registerHotkey(int id, const QString &combination)
{
    if (combination.isEmpty() || refused.contains(combination)) {
        return false;
    }
    registered.insert(id, combination);
    return true;
}

void FakeHotkeys::unregisterAll()
{
    registered.clear();
    ++unregisterAllCalls;
}

bool FakeHotkeys::press(const QString &combination)
{
    for (auto it = registered.cbegin(); it != registered.cend(); ++it) {
        if (it.value() == combination) {
            emit activated(it.key());
            return true;
        }
    }
    return false;
}

FakePlatform::FakePlatform() : m_services(std::make_unique<PlatformServices>())
{
    auto make = [](auto &slot, auto *fake) {
        slot.reset(fake);
        return fake;
    };
    idle = make(m_services->idleTime, new FakeIdleTime);
    foreground = make(m_services->foregroundWindow, new FakeForeground);
    hotkeys = make(m_services->hotkeys, new FakeHotkeys);
    stacking = make(m_services->stacking, new FakeStacking);
    keepAwake = make(m_services->keepAwake, new FakeKeepAwake);
    lock = make(m_services->workstationLock, new FakeLock);
    keyboard = make(m_services->keyboardBlocker, new FakeKeyboardBlocker);
    taskbar = make(m_services->taskbar, new FakeTaskbar);
    theme = make(m_services->desktopTheme, new FakeDesktopTheme);
    autostart = make(m_services->autostart, new FakeAutostart);
    elevation = make(m_services->elevation, new FakeElevation);
    eventLog = make(m_services->eventLog, new FakeEventLog);
}

FakePlatform::~FakePlatform() = default;
