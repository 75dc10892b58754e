// Ludoval: five French patience games.
#include "U_Ludoval.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparerApplication();
    TLudoval ludoval;
    ludoval.Demarrer();
    return app.exec();
}
