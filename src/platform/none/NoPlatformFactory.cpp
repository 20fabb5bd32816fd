#include "PlatformServices.h"
#include "UnavailableServices.h"

// Systems without a backend of their own run with every service unavailable.
std::unique_ptr<PlatformServices> createPlatformServices()
{
    auto services = std::make_unique<PlatformServices>();
    Unavailable::fillMissing(*services);
    return services;
}
