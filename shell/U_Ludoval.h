// The whole program: every window, created once in start-up order and wired
// together. The chooser is the main window and the only one shown.
#pragma once

#include "U_Apropos.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_ChoixDosCartes.h"
#include "U_ChoixReussite.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

class TLudoval {
public:
    // `apercuOuvert`: the chooser's first preview, if decoded ahead of it.
    explicit TLudoval(QImage apercuOuvert = {});
    ~TLudoval();
    TLudoval(const TLudoval &) = delete;
    TLudoval &operator=(const TLudoval &) = delete;

    // Shows the chooser. Once it has been painted, every window gets the
    // program's icon, and game windows made with TfrmJeu::DiffererFinitions
    // set are finished.
    void Demarrer();

    TfrmChoixReussite frmChoixReussite;
    TfrmPetitsPaquets frmPetitsPaquets;
    TfrmBlocusQuatorze frmBlocusQuatorze;
    TfrmCasino frmCasino;
    TfrmMelange frmMelange;
    TfrmMultiplesSept frmMultiplesSept;
    TfrmChoixDosCartes frmChoixDosCartes;
    TfrmAPropos frmAPropos;
};

// What the program needs of the application before any window exists:
// style, French dialogs, help file.
void PreparerApplication();
