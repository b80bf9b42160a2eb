#include "app/PlatformServices.h"

#include "app/QtPlatformServices.h"

namespace {
PlatformServices *g_installed = nullptr;
}

PlatformServices &PlatformServices::get()
{
    if (g_installed)
        return *g_installed;
    static QtPlatformServices qtServices;
    return qtServices;
}

PlatformServices *PlatformServices::install(PlatformServices *services)
{
    PlatformServices *previous = g_installed;
    g_installed = services;
    return previous;
}
