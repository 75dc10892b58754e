// The pace of play that every game shares: pauses and slides that keep the
// window alive, the number of each deal, and the guard that keeps a click or
// a new deal from corrupting an operation under way.
//
// A pause handles input, so a game's own operations can be entered again
// from inside themselves. An operation (a deal, a judgement) therefore
// blocks card clicks while a click could corrupt it, and after every pause
// or slide asks whether a new deal has overtaken it; a new deal asked for
// meanwhile waits until the last operation has unwound.
#pragma once

#include <QPoint>
#include <QtGlobal>
#include <span>

class QObject;
class TCarte;

// Attendre's count for a pause of one second.
constexpr quint32 UneSeconde = 100;

class TRythme {
public:
    virtual ~TRythme() = default;

    // Every deal has its number; an operation that paused checks it.
    quint32 NumeroDonne() const { return numeroDonne; }
    // Card clicks are ignored while an operation guards the table, while a
    // new deal is on its way, and once the program is ending.
    bool ClicsBloques() const;

    // A new deal. The operation under way stops at its next pause; asked
    // from inside one, the deal follows as soon as it has unwound. Once the
    // program is ending, nothing.
    void LancerNouvellePartie();

    // Pause of n × 10 ms that keeps handling events; ends early when a new
    // deal overtakes the operation that paused.
    void Attendre(quint32 n);
    // Slides a card to (x, y) in about ten steps, then the deal sound.
    void AnimerCarte(TCarte *carte, int x, int y);
    // A card taken from the stock slides face down to `position`, then lies
    // face up on top of the table, unmarked, with `place` in its Tag. False
    // when a new deal has overtaken the slide: the table is no longer ours.
    bool PoserCarte(TCarte *carte, QPoint position, int place);
    // Closes up a row or grid after the card at `place` has left it: the
    // cards after it, up to `fin` (the count once it has gone), move one
    // place back one after the other, each taking its new place in Tag.
    // False when a new deal has overtaken a slide.
    bool DecalerPlaces(std::span<TCarte *> tapis, int place, int fin, QPoint (*position)(int));

    // One operation of a game (a deal, a judgement) that pauses: it may block
    // card clicks while a click could corrupt it, and it learns whether a new
    // deal has overtaken it.
    class TOperation {
    public:
        enum TClics { Bloques, Libres };
        TOperation(TRythme *rythme, TClics clics);
        ~TOperation();
        TOperation(const TOperation &) = delete;
        TOperation &operator=(const TOperation &) = delete;
        // A new deal has begun since: leave the table alone.
        bool Interrompue() const { return rythme->numeroDonne != donne; }
        // From here on the player may choose again (the choice is empty).
        void LibererClics();

    private:
        TRythme *rythme;
        quint32 donne;
        bool bloque;
    };

protected:
    // `contexte` carries the deal put off until the operations unwind.
    explicit TRythme(QObject *contexte) : contexte(contexte) {}

    // The game's own new deal.
    virtual void NouvellePartie() = 0;
    // The game under way is dropped: its operations stop at their next pause
    // and their guards no longer count.
    void AbandonnerPartie();

private:
    void DonnerDesQuePossible();

    QObject *contexte;
    quint32 numeroDonne = 0;
    int gardes = 0;
    int operationsEnCours = 0;  // live TOperation objects, nested in pauses
    bool donneEnAttente = false;
    quint32 donneDemandee = 0;  // the deal number the waiting deal is for
};
