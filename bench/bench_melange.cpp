// Le mélange with the real clock, offscreen (QT_QPA_PLATFORM=offscreen):
//  (a) the wall time of a full deal of eight cards;
//  (b) the wall time of one accepted pair, from the press on the second card
//      to the end of the judgement: the selection sound, then two cards
//      sliding in from the stock.
// Run it from a folder that holds the sounds (build/shell) so that the
// selection sound takes its real length.
#include "FichiersSons.h"
#include "PlateformeQt.h"
#include "U_Melange.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>

namespace {
// Two places whose top cards follow each other, or nothing.
std::optional<std::pair<int, int>> Paire(const TfrmMelange &fenetre)
{
    for (int a = 0; a < TfrmMelange::NbPlaces; ++a)
        for (int b = a + 1; b < TfrmMelange::NbPlaces; ++b)
            if (TfrmMelange::Suivent(fenetre.Tapis[a], fenetre.Tapis[b]))
                return std::pair(a, b);
    return std::nullopt;
}

struct TMesures {
    double total = 0, pire = 0, meilleur = 1e9;
    int fois = 0;
    void Ajouter(double ms)
    {
        total += ms;
        pire = std::max(pire, ms);
        meilleur = std::min(meilleur, ms);
        ++fois;
    }
    double Moyenne() const { return fois ? total / fois : 0; }
};

double Millisecondes(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TPlateformeQt plateforme;
    InstallerPlateforme(&plateforme);
    const bool sonTrouve = !TrouverFichier(QStringLiteral("CarteSelectionnee.wav")).isEmpty();
    TfrmMelange fenetre;
    fenetre.show();
    QCoreApplication::processEvents();

    // (a) Full deals.
    TMesures donnes;
    QElapsedTimer t;
    for (int i = 0; i < 5; ++i) {
        t.start();
        fenetre.LancerNouvellePartie();
        donnes.Ajouter(Millisecondes(t));
    }
    std::printf("(a) full deal of 8 cards: %.0f ms on average (%.0f to %.0f, %d deals), %.1f ms per card\n",
                donnes.Moyenne(), donnes.meilleur, donnes.pire, donnes.fois, donnes.Moyenne() / 8);

    // (b) Accepted pairs, dealing again whenever the table is blocked; fewer
    // than the 22 that would win and ask the question.
    TMesures paires;
    while (paires.fois < 20) {
        const std::optional<std::pair<int, int>> paire = Paire(fenetre);
        if (!paire) {
            fenetre.LancerNouvellePartie();
            continue;
        }
        auto point = [](int place) { return TfrmMelange::PositionPlace(place) + QPoint(35, 48); };
        QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {}, point(paire->first));
        t.start();
        QTest::mousePress(fenetre.windowHandle(), Qt::LeftButton, {}, point(paire->second));
        paires.Ajouter(Millisecondes(t));
        QTest::mouseRelease(fenetre.windowHandle(), Qt::LeftButton, {}, point(paire->second));
    }
    std::printf("(b) one accepted pair, press to judgement done: %.0f ms on average (%.0f to %.0f, %d pairs)%s\n",
                paires.Moyenne(), paires.meilleur, paires.pire, paires.fois,
                sonTrouve ? "" : " [selection sound not found: run from build/shell]");
    return 0;
}
