// Where the program's windows stand on the desktop: centred when first
// shown, back where they were when shown again, and each dialog held over
// the window that opened it.
#pragma once

#include <QPoint>
#include <QRect>

class QDialog;
class QWidget;

// Where a window's frame goes to centre it on `ecran`, title bar included. A
// frame larger than the screen keeps its top-left corner on the screen, so
// that the title bar and the menu bar stay within reach.
QPoint PositionCentree(QSize cadre, const QRect &ecran);
// Centres a top-level window on its screen as the window system frames it.
// The frame is known once the window is framed: until then the frame of the
// program's windows seen so far is assumed, and the window is centred again
// if its own turns out otherwise.
void Centrer(QWidget *fenetre);

// Hides a window that will be shown again, so that it then comes back
// exactly where it was.
void Cacher(QWidget *fenetre);

// Shows one of the program's shared dialogs modally over `appelant`'s
// window, centred on the screen; its result.
int OuvrirDialogue(QDialog *dialogue, QWidget *appelant);
