// Ludoval: five French patience games.
#include "U_Ludoval.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparerApplication();
    // The chooser comes first; the game windows' bars and decks wait until
    // it is on screen.
    TfrmJeu::DiffererFinitions = true;
    TLudoval ludoval;
    ludoval.Demarrer();
    return app.exec();
}
