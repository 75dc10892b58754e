// The platform in force, file lookup by bare name and the WAV header reader.
#include "Plateforme.h"
#include "PlateformeQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
TPlateforme *installee = nullptr;
}

TPlateforme &Plateforme()
{
    if (installee)
        return *installee;
    static TPlateformeQt reelle;
    return reelle;
}

void InstallerPlateforme(TPlateforme *p) { installee = p; }

QString TrouverFichier(const QString &nom)
{
    // A bare name only: anything with a directory in it is not ours to find.
    if (nom.isEmpty() || nom.contains(QLatin1Char('/')))
        return {};
    const QString dossierProgramme =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QStringList dossiers = {
        QDir::currentPath(),
        dossierProgramme,
        // Installed: beside bin/ wherever the prefix lies, then where it was meant to lie.
        dossierProgramme.isEmpty() ? QString() : dossierProgramme + QStringLiteral("/../share/ludoval"),
        QStringLiteral(LUDOVAL_DATADIR),
    };
    for (const QString &dossier : dossiers) {
        if (dossier.isEmpty())
            continue;
        const QFileInfo fichier(QDir(dossier), nom);
        if (fichier.isFile())
            return fichier.absoluteFilePath();
    }
    return {};
}

namespace {
quint32 lireU32(const char *p)
{
    const auto *o = reinterpret_cast<const uchar *>(p);
    return quint32(o[0]) | quint32(o[1]) << 8 | quint32(o[2]) << 16 | quint32(o[3]) << 24;
}
} // namespace

quint32 DureeWav(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray entete = f.read(12);
    if (entete.size() < 12 || !entete.startsWith("RIFF") || entete.mid(8, 4) != "WAVE")
        return 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    quint32 octetsParSeconde = 0;
    for (;;) {
        const QByteArray morceau = f.read(8);
        if (morceau.size() < 8)
            return 0;
        const quint32 taille = lireU32(morceau.constData() + 4);
        if (morceau.startsWith("fmt ")) {
            if (taille < 16)
                return 0;
            const QByteArray fmt = f.read(16);
            if (fmt.size() < 16)
                return 0;
            octetsParSeconde = lireU32(fmt.constData() + 8);
            if (!f.seek(f.pos() + taille - 16 + (taille & 1)))
                return 0;
        } else if (morceau.startsWith("data")) {
            if (octetsParSeconde == 0)
                return 0;
            // A header may claim more than the file holds ("unknown length").
            const quint64 octets = std::min<quint64>(taille, quint64(f.size() - f.pos()));
            return quint32(octets * 1000 / octetsParSeconde);
        } else if (!f.seek(f.pos() + taille + (taille & 1))) {
            return 0;
        }
    }
}
