// The yardsticks of the start-up benchmark: the least a Qt program can show,
// and the same with one line of text (whose first drawing loads the fonts).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Minimale"));
    fenetre.resize(792, 470);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--texte"))
        new QLabel(QStringLiteral("Choisissez une réussite"), &fenetre);
    fenetre.show();
    return app.exec();
}
