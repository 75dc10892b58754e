// What the real platform reads from files: sound lengths, and files found by
// bare name.
#include "Plateforme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray U32(quint32 v)
{
    QByteArray o(4, '\0');
    for (int i = 0; i < 4; ++i)
        o[i] = char((v >> (8 * i)) & 0xFF);
    return o;
}

// A PCM WAV file: mono 16-bit at `frequence`, `echantillons` samples, with
// an optional chunk of another kind before the data.
QByteArray Wav(quint32 frequence, quint32 echantillons, const QByteArray &autre = {})
{
    QByteArray fmt = QByteArray("\x01\x00\x01\x00", 4) + U32(frequence) + U32(frequence * 2) + QByteArray("\x02\x00\x10\x00", 4);
    QByteArray corps = "WAVE" + QByteArray("fmt ") + U32(16) + fmt + autre + QByteArray("data") + U32(echantillons * 2)
                       + QByteArray(int(echantillons * 2), '\0');
    return "RIFF" + U32(quint32(corps.size())) + corps;
}

QString Ecrire(const QTemporaryDir &dossier, const QString &nom, const QByteArray &contenu)
{
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu);
    return chemin;
}
} // namespace

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    void dureesDesSons();
    void fichiersParNom();
};

void TestPlateforme::dureesDesSons()
{
    // The program's own sounds: the selection sound blocks input, so it is short.
    const QString sons = QStringLiteral(LUDOVAL_SOURCE_DIR "/resources/sounds/");
    QCOMPARE(DureeWav(sons + QStringLiteral("CarteSelectionnee.wav")), 35u);
    QCOMPARE(DureeWav(sons + QStringLiteral("CarteDistrib.wav")), 120u);
    QCOMPARE(DureeWav(sons + QStringLiteral("Gagne.wav")), 1300u);

    QTemporaryDir dossier;
    QCOMPARE(DureeWav(Ecrire(dossier, "a.wav", Wav(22050, 11025))), 500u);
    // A chunk of another kind (odd-sized, so padded) before the data.
    const QByteArray liste = QByteArray("LIST") + U32(5) + QByteArray("abcde") + QByteArray(1, '\0');
    QCOMPARE(DureeWav(Ecrire(dossier, "b.wav", Wav(8000, 8000, liste))), 1000u);
    // Not a sound, or cut short: no length, rather than a wait on nonsense.
    QCOMPARE(DureeWav(Ecrire(dossier, "c.wav", "RIFF1234WAVEfmt ")), 0u);
    QCOMPARE(DureeWav(Ecrire(dossier, "d.wav", QByteArray(100, 'x'))), 0u);
    QCOMPARE(DureeWav(Ecrire(dossier, "e.wav", Wav(22050, 100).left(30))), 0u);
    QCOMPARE(DureeWav(Ecrire(dossier, "f.wav", Wav(0, 100))), 0u);
    QCOMPARE(DureeWav(dossier.filePath("absent.wav")), 0u);
    // A header that claims more data than the file holds, as streamed files
    // do: only what is there counts.
    QByteArray flux = Wav(1000, 50);
    flux.replace(flux.indexOf("data") + 4, 4, U32(0xFFFFFFFFu));
    QCOMPARE(DureeWav(Ecrire(dossier, "g.wav", flux)), 50u); // 100 bytes at 2000 a second
}

void TestPlateforme::fichiersParNom()
{
    QTemporaryDir dossier;
    Ecrire(dossier, "ici.wav", "x");
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QCOMPARE(TrouverFichier(QStringLiteral("ici.wav")), QDir(dossier.path()).absoluteFilePath("ici.wav"));
    QCOMPARE(TrouverFichier(QStringLiteral("absent.wav")), QString());
    // Only bare names: no way out of the directories looked in.
    QCOMPARE(TrouverFichier(QStringLiteral("../ici.wav")), QString());
    QCOMPARE(TrouverFichier(QStringLiteral("/etc/passwd")), QString());
    QCOMPARE(TrouverFichier(QString()), QString());
    QCOMPARE(TrouverFichier(QStringLiteral("..")), QString()); // a directory is no file
    QDir::setCurrent(avant);
    // Beside the program: the test program's own name.
    const QString moi = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(TrouverFichier(moi), QCoreApplication::applicationFilePath());
}

QTEST_MAIN(TestPlateforme)
#include "test_plateforme.moc"
