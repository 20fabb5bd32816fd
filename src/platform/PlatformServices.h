#pragma once

#include "Autostart.h"
#include "DesktopTheme.h"
#include "Elevation.h"
#include "EventLogSource.h"
#include "ForegroundWindowSource.h"
#include "GlobalHotkeys.h"
#include "IdleTimeSource.h"
#include "KeepAwake.h"
#include "KeyboardBlocker.h"
#include "TaskbarControl.h"
#include "WindowStacking.h"
#include "WorkstationLock.h"

#include <memory>

// Every operating-system service the program uses, each behind its own small interface.
struct PlatformServices {
    std::unique_ptr<IdleTimeSource> idleTime;
    std::unique_ptr<ForegroundWindowSource> foregroundWindow;
    std::unique_ptr<GlobalHotkeys> hotkeys;
    std::unique_ptr<WindowStacking> stacking;
    std::unique_ptr<KeepAwake> keepAwake;
    std::unique_ptr<WorkstationLock> workstationLock;
    std::unique_ptr<KeyboardBlocker> keyboardBlocker;
    std::unique_ptr<TaskbarControl> taskbar;
    std::unique_ptr<DesktopTheme> desktopTheme;
    std::unique_ptr<Autostart> autostart;
    std::unique_ptr<Elevation> elevation;
    std::unique_ptr<EventLogSource> eventLog;
};

// Implemented by the backend that the build selects.
std::unique_ptr<PlatformServices> createPlatformServices();
