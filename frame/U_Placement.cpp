#include "U_Placement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
// Where the window system has framed a window: the frame around its client area.
QMargins Cadre(const QWidget *fenetre)
{
    const QRect client = fenetre->geometry(), tout = fenetre->frameGeometry();
    return {client.left() - tout.left(), client.top() - tout.top(), tout.right() - client.right(),
            tout.bottom() - client.bottom()};
}

QMargins cadreConnu; // the frame of the program's windows, once one has been framed

void Placer(QWidget *fenetre, const QMargins &cadre)
{
    const QScreen *ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    // `move` places the frame's top-left corner.
    fenetre->move(PositionCentree(fenetre->size().grownBy(cadre), ecran->availableGeometry()));
}

// Waits for the window system to frame a window, then centres it again if
// its frame is not the one assumed, and goes.
class TRecentrage : public QObject {
public:
    TRecentrage(QWidget *fenetre, const QMargins &suppose) : QObject(fenetre), suppose(suppose)
    {
        fenetre->installEventFilter(this);
    }

    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() != QEvent::Move && e->type() != QEvent::Show && e->type() != QEvent::Resize)
            return false;
        auto *fenetre = static_cast<QWidget *>(objet);
        const QMargins cadre = Cadre(fenetre);
        if (cadre.isNull())
            return false; // not framed yet, or never (no window manager)
        cadreConnu = cadre;
        fenetre->removeEventFilter(this);
        deleteLater();
        if (cadre != suppose)
            Placer(fenetre, cadre);
        return false;
    }

private:
    QMargins suppose;
};
} // namespace

QPoint PositionCentree(QSize cadre, const QRect &ecran)
{
    const QPoint centree = ecran.topLeft()
                         + QPoint((ecran.width() - cadre.width()) / 2, (ecran.height() - cadre.height()) / 2);
    return {std::max(centree.x(), ecran.left()), std::max(centree.y(), ecran.top())};
}

void Centrer(QWidget *fenetre)
{
    const QMargins cadre = Cadre(fenetre);
    Placer(fenetre, cadre.isNull() ? cadreConnu : cadre);
    if (cadre.isNull())
        new TRecentrage(fenetre, cadreConnu);
}

void Cacher(QWidget *fenetre)
{
    fenetre->hide();
    // Where the program places its windows (X11), the next showing is a new
    // window, which the window manager puts where the program says. The one
    // hidden, mapped again, mutter and weston put back where its frame was,
    // a title bar higher each time. A Wayland compositor places windows itself.
    if (QWindow *natif = fenetre->windowHandle(); natif && QGuiApplication::platformName() == u"xcb")
        natif->destroy();
}

int OuvrirDialogue(QDialog *dialogue, QWidget *appelant)
{
    // A dialog is transient for its parent's window: the window manager, or
    // the Wayland compositor, keeps it above that window, and minimises or
    // raises them together.
    QWidget *fenetre = appelant->window();
    if (dialogue->parentWidget() != fenetre)
        dialogue->setParent(fenetre, dialogue->windowFlags());
    // Where a program may place its windows (X11); a compositor places it
    // over its parent.
    Centrer(dialogue);
    const int resultat = dialogue->exec();
    // The keyboard goes back to the window, which not every window manager
    // gives back to a window whose dialog has closed (weston).
    fenetre->activateWindow();
    return resultat;
}
