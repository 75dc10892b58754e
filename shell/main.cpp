// Ludoval: five French patience games.
#include "LecturePolices.h"
#include "U_Ludoval.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // While the display is being opened: the fonts, then the chooser's first
    // preview.
    QImage apercu;
    TLecturePolices polices([&apercu] { apercu = TfrmChoixReussite::LireApercuOuvert(); });
    QApplication app(argc, argv);
    PreparerApplication();
    polices.Attendre();
    // The chooser comes first; the game windows' bars and decks wait until
    // it is on screen.
    TfrmJeu::DiffererFinitions = true;
    TLudoval ludoval(std::move(apercu));
    ludoval.Demarrer();
    return app.exec();
}
