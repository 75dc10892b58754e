// Ludoval: five French patience games.
#include "LecturePolices.h"
#include "U_Ludoval.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    TLecturePolices polices; // while the display is being opened
    QApplication app(argc, argv);
    PreparerApplication();
    polices.Attendre();
    // The chooser comes first; the game windows' bars and decks wait until
    // it is on screen.
    TfrmJeu::DiffererFinitions = true;
    TLudoval ludoval;
    ludoval.Demarrer();
    return app.exec();
}
