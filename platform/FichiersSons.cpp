// File lookup by bare name or beside the program, and the WAV header reader.
#include "FichiersSons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString TrouverComposant(const QString &donne, const QString &nom, const QString &dossier, const QString &installe,
                         bool programme)
{
    const QString ici = QCoreApplication::applicationDirPath();
    const QStringList candidats = donne.isEmpty()
        ? QStringList{ici + u'/' + nom, ici + QStringLiteral("/../") + dossier + u'/' + nom, installe + u'/' + nom}
        : QStringList{donne};
    for (const QString &candidat : candidats) {
        const QFileInfo fichier(candidat);
        if (fichier.isFile() && (!programme || fichier.isExecutable()))
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

quint16 lireU16(const char *p)
{
    const auto *o = reinterpret_cast<const uchar *>(p);
    return quint16(o[0] | o[1] << 8);
}

// The sample format of a "fmt " chunk, if it is one that the program plays.
std::optional<quint32> OctetsParSeconde(const char *fmt, quint32 taille)
{
    if (taille < 16)
        return std::nullopt;
    const quint16 format = lireU16(fmt), voies = lireU16(fmt + 2), bits = lireU16(fmt + 14);
    const quint32 frequence = lireU32(fmt + 4), parSeconde = lireU32(fmt + 8);
    const quint16 bloc = lireU16(fmt + 12);
    const bool pcm = format == 1 && (voies == 1 || voies == 2) && (bits == 8 || bits == 16)
                  && frequence >= 8000 && frequence <= 96000 && bloc == voies * bits / 8
                  && parSeconde == frequence * bloc;
    return pcm ? std::optional(parSeconde) : std::nullopt;
}
} // namespace

std::optional<quint32> DureeWav(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || f.size() > TailleMaxWav)
        return std::nullopt;
    return DureeWav(f.read(TailleMaxWav + 1));
}

std::optional<quint32> DureeWav(const QByteArray &contenu)
{
    const qint64 taille = contenu.size();
    if (taille < 12 || taille > TailleMaxWav || !contenu.startsWith("RIFF") || contenu.mid(8, 4) != "WAVE")
        return std::nullopt;
    // The RIFF chunk holds all the others and lies within the file.
    const qint64 fin = 8 + qint64(lireU32(contenu.constData() + 4));
    if (fin > taille)
        return std::nullopt;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    std::optional<quint32> octetsParSeconde;
    for (qint64 pos = 12; pos + 8 <= fin;) {
        const char *morceau = contenu.constData() + pos;
        const qint64 longueur = lireU32(morceau + 4);
        if (pos + 8 + longueur > fin)
            return std::nullopt;
        if (qstrncmp(morceau, "fmt ", 4) == 0) {
            octetsParSeconde = OctetsParSeconde(morceau + 8, quint32(longueur));
            if (!octetsParSeconde)
                return std::nullopt;
        } else if (qstrncmp(morceau, "data", 4) == 0) {
            if (!octetsParSeconde || longueur == 0)
                return std::nullopt;
            return quint32(longueur * 1000 / *octetsParSeconde);
        }
        pos += 8 + longueur + (longueur & 1);
    }
    return std::nullopt; // no data
}
