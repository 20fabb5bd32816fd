#include "LinuxAutostart.h"
#include "LinuxIdleTime.h"
#include "LinuxKeepAwake.h"
#include "LinuxKeyboardBlocker.h"
#include "LinuxWindowStacking.h"
#include "LinuxWorkstationLock.h"
#include "PlatformServices.h"
#include "UnavailableServices.h"

std::unique_ptr<PlatformServices> createPlatformServices()
{
    auto services = std::make_unique<PlatformServices>();
    services->autostart = std::make_unique<LinuxAutostart>();
    services->idleTime = std::make_unique<LinuxIdleTime>();
    services->stacking = std::make_unique<LinuxWindowStacking>();
    services->keyboardBlocker = std::make_unique<LinuxKeyboardBlocker>();
    services->keepAwake = std::make_unique<LinuxKeepAwake>();
    services->workstationLock = std::make_unique<LinuxWorkstationLock>();
    // Services this backend does not provide fail quietly.
    Unavailable::fillMissing(*services);
    return services;
}
