// The files that the program finds by bare name (its sounds, its help file),
// and the check that a sound file is fit to be played.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Finds a file given by bare name: current directory, then the program's own
// directory, then the installed data directory (share/ludoval beside the
// program's bin/, then the one of the configured prefix). Empty when found
// nowhere.
QString TrouverFichier(const QString &nom);

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
