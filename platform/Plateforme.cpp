// The platform in force.
#include "Plateforme.h"
#include "PlateformeQt.h"

namespace {
TPlateforme *installee = nullptr;
}

TPlateforme &Plateforme()
{
    if (installee)
        return *installee;
    static TPlateformeQt reelle;
    return reelle;
}

void InstallerPlateforme(TPlateforme *p) { installee = p; }
