#include "LinuxWindowStacking.h"
#include "PlatformServices.h"
#include "UnavailableServices.h"

std::unique_ptr<PlatformServices> createPlatformServices()
{
    auto services = std::make_unique<PlatformServices>();
    services->stacking = std::make_unique<LinuxWindowStacking>();
    // Services this backend does not provide yet fail quietly.
    Unavailable::fillMissing(*services);
    return services;
}
