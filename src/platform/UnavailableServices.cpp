#include "UnavailableServices.h"

namespace Unavailable {

namespace {
template <typename Slot, typename Impl> void fill(std::unique_ptr<Slot> &slot)
{
    if (!slot) {
        slot = std::make_unique<Impl>();
    }
}
} // namespace

void fillMissing(PlatformServices &services)
{
    fill<IdleTimeSource, IdleTime>(services.idleTime);
    fill<ForegroundWindowSource, Foreground>(services.foregroundWindow);
    fill<GlobalHotkeys, Hotkeys>(services.hotkeys);
    fill<WindowStacking, Stacking>(services.stacking);
    fill<KeepAwake, Awake>(services.keepAwake);
    fill<WorkstationLock, Lock>(services.workstationLock);
    fill<KeyboardBlocker, Keyboard>(services.keyboardBlocker);
    fill<TaskbarControl, Taskbar>(services.taskbar);
    fill<DesktopTheme, Theme>(services.desktopTheme);
    fill<Autostart, Startup>(services.autostart);
    fill<Elevation, Admin>(services.elevation);
    fill<EventLogSource, EventLog>(services.eventLog);
}

} // namespace Unavailable
