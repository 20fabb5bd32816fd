#include "LinuxAutostart.h"
#include "LinuxIdleTime.h"
#include "LinuxWindowStacking.h"
#include "PlatformServices.h"
#include "UnavailableServices.h"

std::unique_ptr<PlatformServices> createPlatformServices()
{
    auto services = std::make_unique<PlatformServices>();
    services->autostart = std::make_unique<LinuxAutostart>();
    services->idleTime = std::make_unique<LinuxIdleTime>();
    services->stacking = std::make_unique<LinuxWindowStacking>();
    // Services this backend does not provide fail quietly.
    Unavailable::fillMissing(*services);
    return services;
}
