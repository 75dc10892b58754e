#include "U_Rythme.h"
#include "U_52Cartes.h"
#include "Plateforme.h"

#include <QTimer>

bool TRythme::ClicsBloques() const { return gardes > 0 || donneEnAttente || Plateforme().FinDemandee(); }

// ---- the deal's life ----

void TRythme::LancerNouvellePartie()
{
    if (Plateforme().FinDemandee())
        return;
    AbandonnerPartie();
    if (operationsEnCours == 0) {
        donneEnAttente = false;
        NouvellePartie();
        return;
    }
    // Asked from inside a pause: dealing here would nest a whole deal in the
    // interrupted operation, and a held Ctrl+N would pile them up. The deal
    // follows when the last operation has unwound.
    donneDemandee = numeroDonne;
    donneEnAttente = true;
}

void TRythme::DonnerDesQuePossible()
{
    // From the main loop, not from inside the handler that has just unwound.
    QTimer::singleShot(0, contexte, [this] {
        if (!donneEnAttente || operationsEnCours > 0)
            return; // dealt meanwhile, or another operation will call again
        donneEnAttente = false;
        // Not if the game was left for the chooser meanwhile, or the end asked for.
        if (numeroDonne == donneDemandee && !Plateforme().FinDemandee())
            NouvellePartie();
    });
}

void TRythme::AbandonnerPartie()
{
    ++numeroDonne;
    gardes = 0;
}

// ---- pause and slide ----

void TRythme::Attendre(quint32 n)
{
    TPlateforme &plateforme = Plateforme();
    const quint32 debut = plateforme.CompteurTicks();
    const quint32 duree = n * 10;
    const quint32 donne = numeroDonne;
    for (;;) {
        plateforme.TraiterEvenements();
        const quint32 ecoule = plateforme.CompteurTicks() - debut; // wraps safely
        if (ecoule >= duree || numeroDonne != donne)
            return;
        plateforme.AttendreEvenement(duree - ecoule);
    }
}

void TRythme::AnimerCarte(TCarte *carte, int x, int y)
{
    const quint32 donne = numeroDonne;
    const int pasX = std::abs(x - carte->x()) / 10;
    const int pasY = std::abs(y - carte->y()) / 10;
    // An axis with a step of 0 (a move under 10 pixels) counts as arrived:
    // the final placement covers it. An axis with a step keeps stepping
    // towards its target, swinging around it, until the other axis is there.
    auto enChemin = [&] {
        return (pasX > 0 && std::abs(carte->x() - x) > pasX)
            || (pasY > 0 && std::abs(carte->y() - y) > pasY);
    };
    while (enChemin()) {
        carte->move(carte->x() + (x > carte->x() ? pasX : -pasX),
                    carte->y() + (y > carte->y() ? pasY : -pasY));
        carte->show();
        Attendre(1);
        if (numeroDonne != donne)
            return; // a new deal has taken the card back
    }
    carte->move(x, y);
    carte->show();
    Plateforme().JouerSon(QStringLiteral("CarteDistrib.wav"), TModeSon::Asynchrone);
}

bool TRythme::PoserCarte(TCarte *carte, QPoint position, int place)
{
    const quint32 donne = numeroDonne;
    AnimerCarte(carte, position.x(), position.y());
    if (numeroDonne != donne)
        return false;
    carte->SetFaceVisible(true);
    carte->raise();
    carte->SetTag(place);
    carte->SetSelectionnee(false);
    return true;
}

bool TRythme::DecalerPlaces(std::span<TCarte *> tapis, int place, int fin, QPoint (*position)(int))
{
    const quint32 donne = numeroDonne;
    for (int k = place; k < fin; ++k) {
        TCarte *carte = tapis[k + 1];
        tapis[k] = carte;
        carte->SetTag(k);
        const QPoint cible = position(k);
        AnimerCarte(carte, cible.x(), cible.y());
        if (numeroDonne != donne)
            return false;
    }
    return true;
}

// ---- TOperation ----

TRythme::TOperation::TOperation(TRythme *r, TClics clics) : rythme(r), donne(r->numeroDonne), bloque(clics == Bloques)
{
    ++rythme->operationsEnCours;
    if (bloque)
        ++rythme->gardes;
}

TRythme::TOperation::~TOperation()
{
    LibererClics();
    if (--rythme->operationsEnCours == 0 && rythme->donneEnAttente)
        rythme->DonnerDesQuePossible();
}

void TRythme::TOperation::LibererClics()
{
    if (bloque && !Interrompue())
        --rythme->gardes;
    bloque = false;
}
