// The sound player is a module of its own, loaded once the chooser is on
// screen: the sound libraries would otherwise be loaded, and slow the
// program down, at every start-up.
#pragma once

#include <QString>
#include <functional>

// Plays the program's sounds through the desktop's sound server, one at a
// time. Every call returns at once: the server is spoken to from threads of
// the player's own, so a server that is missing, stalls or dies never holds
// the game up.
class TLecteurSons {
public:
    virtual ~TLecteurSons() = default;
    // A checked WAV file of `duree` milliseconds, cutting off the sound still
    // playing; `numero` names it to `Fini`.
    virtual void Jouer(const QString &chemin, quint32 duree, quint32 numero) = 0;
    // The desktop's alert sound. Alerts asked for back to back are heard one
    // after the other.
    virtual void Alerte(quint32 numero) = 0;
};

// Told, on one of the player's threads, once the sound `numero` has ended,
// been cut off or dropped; `sansServeur` when no sound server could play it
// (none answers, or the one that does refused the sound).
// Never told once the player is destroyed.
using TFinSon = std::function<void(quint32 numero, bool sansServeur)>;

// The module's one entry point, found by the name below: a new player,
// owned by the caller.
using TCreerLecteurSons = TLecteurSons *(*)(TFinSon fini);
inline constexpr char NomCreerLecteurSons[] = "LudovalCreerLecteurSons";
