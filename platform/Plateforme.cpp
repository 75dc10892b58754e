// The platform in force.
#include "Plateforme.h"

namespace {
TPlateforme *installee = nullptr;
}

TPlateforme &Plateforme()
{
    if (!installee)
        qFatal("Ludoval: no platform installed");
    return *installee;
}

void InstallerPlateforme(TPlateforme *p) { installee = p; }
