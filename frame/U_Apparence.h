// The look the program's windows share: their fonts, their fixed colours,
// the bars' flat light style, and text that stays readable whatever the
// desktop's palette.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <functional>

class QWidget;

// The windows were laid out for "MS Sans Serif" and "Times New Roman". They
// are drawn in the metric twins that the package brings, asked for by their
// own names: a family that is not installed sends Qt through fontconfig's sort
// of every font before it tries a substitute, milliseconds at start-up. Where
// the twins are missing, fontconfig's aliases find the nearest font.
extern const QString PoliceSans;  // for "MS Sans Serif"
extern const QString PoliceSerif; // for "Times New Roman"
QFont Police(const QString &famille, int pixels, bool gras = false);

// The fixed backgrounds of the windows.
inline const QColor Aqua(0, 255, 255);        // the table, the game list, the about box
inline const QColor Rouge(255, 0, 0);         // the game selected in the list
inline const QColor BleuCiel(166, 202, 240);  // the status bar

// The colour of a text drawn on one of the windows' fixed backgrounds (white,
// aqua, red, sky blue): the desktop's own where its palette is light. Those
// backgrounds were chosen for dark text, so under a dark theme it is the
// light palette's, black.
QColor CouleurTexteFixe(QPalette::ColorRole role = QPalette::WindowText);
// Runs `appliquer` now, and again whenever the desktop's palette changes
// while `w` lives.
void SuivrePalette(QWidget *w, std::function<void()> appliquer);
// Gives `w` the colour `couleur` for `role` in its own palette.
void Colorer(QWidget *w, QPalette::ColorRole role, const QColor &couleur);

// The flat light look of a menu bar or toolbar and of its drop-down menus,
// kept readable through changes of the desktop's palette.
void StylerBarre(QWidget *barre);
