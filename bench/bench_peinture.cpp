// What painting costs with the load-on-every-paint rule: one card, and a full
// table of 52 face-up cards, at the screen's density. Run offscreen:
// QT_QPA_PLATFORM=offscreen, and QT_SCALE_FACTOR=2 (or 1.5) for a dense screen.
#include "U_52Cartes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>

namespace {
template <typename F> double microsecondes(int fois, F &&f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < fois; ++i)
        f();
    return double(t.nsecsElapsed()) / 1000.0 / fois;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.resize(792, 553);
    TTalon talon(&fenetre, {360, 420});
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = talon.Cartes()[i];
        carte->move(5 + (i % 13) * 60, 55 + (i / 13) * 110);
        carte->SetFaceVisible(true);
        carte->show();
    }
    fenetre.show();
    QCoreApplication::processEvents();

    const int tours = 200;
    const qreal densite = fenetre.devicePixelRatioF();
    const double chargement = microsecondes(tours * 52, [&, i = 0]() mutable {
        const QImage image = ChargerBitmap(talon.Cartes()[i++ % 52]->NomBitmap(), densite);
        Q_UNUSED(image);
    });
    const double carte = microsecondes(tours * 52, [&, i = 0]() mutable {
        talon.Cartes()[i++ % 52]->SetFaceVisible(true); // a synchronous repaint
    });
    // Count the card paints, to be sure that a full repaint paints them all.
    struct TCompteur : QObject {
        int peintures = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            peintures += e->type() == QEvent::Paint;
            return false;
        }
    } compteur;
    for (TCarte *c : talon.Cartes())
        c->installEventFilter(&compteur);
    // The whole table drawn as a window repaint draws it: every card, in
    // stacking order, onto one surface.
    QImage surface(fenetre.size() * densite, QImage::Format_RGB32);
    surface.setDevicePixelRatio(densite);
    const double table52 = microsecondes(tours, [&] { fenetre.render(&surface); });
    std::printf("device pixel ratio: %.2f\n", densite);
    std::printf("card paints per full repaint: %.1f\n", double(compteur.peintures) / tours);

    std::printf("bitmap load alone:        %8.1f us\n", chargement);
    std::printf("one card paint:           %8.1f us\n", carte);
    std::printf("full table of 52 cards:   %8.1f us (%.1f us per card)\n", table52, table52 / 52);
    return 0;
}
