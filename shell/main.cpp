// Ludoval: five French patience games.
#include "LecturePolices.h"
#include "PlateformeQt.h"
#include "U_Ludoval.h"

#include <QApplication>
#include <future>

int main(int argc, char *argv[])
{
    // While the display is being opened: the fonts, then the chooser's first
    // preview.
    QImage apercu;
    TLecturePolices polices([&apercu] { apercu = TfrmChoixReussite::LireApercuOuvert(); });
    QApplication app(argc, argv);
    TPlateformeQt plateforme; // in force until the program ends
    InstallerPlateforme(&plateforme);
    // A denser screen shows that preview's finer twin, decoded meanwhile.
    std::future<QImage> apercuFin;
    if (const int densite = TfrmChoixReussite::DensiteApercus(app.devicePixelRatio()); densite > 1)
        apercuFin = std::async(std::launch::async, TfrmChoixReussite::LireApercuOuvert, densite);
    PreparerApplication();
    polices.Attendre();
    if (apercuFin.valid())
        apercu = apercuFin.get();
    // The chooser comes first; the game windows' bars and decks wait until
    // it is on screen.
    TfrmJeu::DiffererFinitions = true;
    TLudoval ludoval(std::move(apercu));
    ludoval.Demarrer();
    return app.exec();
}
