#include "U_Reussites.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

namespace {
const TDonneesJeu *const reussites[NbReussites] = {
    &TfrmBlocusQuatorze::Fiche, &TfrmCasino::Fiche, &TfrmMelange::Fiche, &TfrmMultiplesSept::Fiche,
    &TfrmPetitsPaquets::Fiche,
};
} // namespace

const TDonneesJeu &Reussite(int n) { return *reussites[n - 1]; }
