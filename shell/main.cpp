// Ludoval: five French patience games.
#include "U_52Cartes.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludoval"));

    // For now the program shows its deck on the table, face up by rank.
    QWidget table;
    table.setWindowTitle(QStringLiteral("Ludoval"));
    table.setAutoFillBackground(true);
    QPalette p = table.palette();
    p.setColor(QPalette::Window, QColor(0, 255, 255));
    table.setPalette(p);
    table.resize(792, 553);
    TTalon talon(&table, {360, 420});
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = talon.Cartes()[i];
        carte->move(5 + (i / 4) * 60, 10 + (i % 4) * 100);
        carte->SetFaceVisible(true);
        carte->show();
    }
    table.show();
    return app.exec();
}
