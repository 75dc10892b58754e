// Where the program finds its files, its sounds and help file by bare name
// and its own parts beside it, and the check that a sound file is fit to be
// played.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Finds a file given by bare name: current directory, then the program's own
// directory, then the installed data directory (share/ludoval beside the
// program's bin/, then the one of the configured prefix). Empty when found
// nowhere.
QString TrouverFichier(const QString &nom);
// One of the program's own parts, a `programme` to run or not: the file
// `donne`, or else `nom` beside the program, then in `dossier` under the
// prefix the program lies in, then in `installe`; never one from the current
// directory. Empty when none is fit.
QString TrouverComposant(const QString &donne, const QString &nom, const QString &dossier, const QString &installe,
                         bool programme);

// Sounds are found by bare name, so whatever lies in the current directory
// reaches the program: a sound is played only when its file is fit for it,
// and anything else counts as missing.
//
// A file fit to be played is a RIFF/WAVE file of a few megabytes at most,
// whose chunks all lie within it, with PCM samples (8 or 16 bits, one or two
// channels, a usual rate) and some data. Its length in milliseconds, or
// nothing when it is unfit or unreadable.
std::optional<quint32> DureeWav(const QString &chemin);
std::optional<quint32> DureeWav(const QByteArray &contenu);
// The largest sound file played.
constexpr qint64 TailleMaxWav = 4 * 1024 * 1024;
