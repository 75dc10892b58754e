// The whole program: every window, created once in start-up order and wired
// together. The chooser is the main window and the only one shown.
#pragma once

#include "U_Apropos.h"
#include "U_BlocusQuatorze.h"
#include "U_ChoixDosCartes.h"
#include "U_ChoixReussite.h"
#include "U_EnPreparation.h"

class TLudoval {
public:
    TLudoval();
    ~TLudoval();
    TLudoval(const TLudoval &) = delete;
    TLudoval &operator=(const TLudoval &) = delete;

    // Shows the chooser.
    void Demarrer();

    TfrmChoixReussite frmChoixReussite;
    TfrmEnPreparation frmPetitsPaquets;
    TfrmBlocusQuatorze frmBlocusQuatorze;
    TfrmEnPreparation frmCasino;
    TfrmEnPreparation frmMelange;
    TfrmEnPreparation frmMultiplesSept;
    TfrmChoixDosCartes frmChoixDosCartes;
    TfrmAPropos frmAPropos;
};

// What the program needs of the application before any window exists:
// style, French dialogs, icon, help file.
void PreparerApplication();
