// The sound player is a module of its own, loaded ahead of the first sound:
// the sound system's libraries (a few dozen) would otherwise be loaded, and
// slow the program down, at every start-up.
#pragma once

#include <QString>

// Plays a WAV file, cutting off the sound still playing. The module's one
// entry point, found by the name below.
using TJouerWav = void (*)(const QString &chemin);
inline constexpr char NomJouerWav[] = "LudovalJouerWav";
