// What must hold of each game window whenever no operation is under way (no
// deal, judgement, draw or slide): every card in exactly one place, lying
// where its place is, the choice naming cards on the table and marked alone,
// the counts matching the table, the status text, and a table open to clicks.
// Each function returns the broken invariants as plain messages, none when
// all hold; the games' tests and the soak program share them.
//
// Once the end of the program has been asked for, the last table stays as
// it was and takes no click: only the cards' places are checked then.
#pragma once

#include <QStringList>

class TfrmJeu;
class TfrmBlocusQuatorze;
class TfrmCasino;
class TfrmMelange;
class TfrmMultiplesSept;
class TfrmPetitsPaquets;

QStringList InvariantsRompus(const TfrmBlocusQuatorze &fenetre);
QStringList InvariantsRompus(const TfrmCasino &fenetre);
QStringList InvariantsRompus(const TfrmMelange &fenetre);
QStringList InvariantsRompus(const TfrmMultiplesSept &fenetre);
QStringList InvariantsRompus(const TfrmPetitsPaquets &fenetre);
// Any game window, by its game.
QStringList InvariantsRompus(const TfrmJeu &fenetre);

// Fails the current test with every broken invariant of a game window.
#define VERIFIER_INVARIANTS(fenetre)                                                    \
    do {                                                                                \
        const QStringList pannes = InvariantsRompus(fenetre);                           \
        QVERIFY2(pannes.isEmpty(), qPrintable(pannes.join(QLatin1Char('\n'))));        \
    } while (false)
