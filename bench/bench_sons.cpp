// bench_sons RECORDING CALLS MODULE [DEALS]
//
// The five game windows, offscreen, on the real platform and its sound
// player (the module MODULE), deal DEALS times each (10 by default) while the sound server's
// output is recorded from the default sink's monitor. Writes the recording
// (raw signed 16-bit mono at 22050 Hz) to RECORDING; to CALLS one line per
// sound asked for, "game time", and to RECORDING.blocs one line per block
// of the recording, "last-sample time", the moment it reached the bench
// (nanoseconds of the steady clock). bench/sons.sh matches the calls with
// the bursts heard: a sound's onset runs from its call to the moment its
// first samples came back from the server.
#include "PlateformeQt.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <thread>

namespace {
constexpr int Frequence = 22050;

qint64 Maintenant()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Records the monitor in blocks of 5 ms on a thread of its own, noting when
// each one arrives.
class TEnregistreur {
public:
    bool Demarrer()
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, Frequence, 1};
        pa_buffer_attr tampon{};
        tampon.maxlength = uint32_t(-1);
        tampon.fragsize = sizeof bloc;
        int erreur = 0;
        flux = pa_simple_new(nullptr, "bench_sons", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "mesure", &format, nullptr,
                             &tampon, &erreur);
        if (!flux) {
            std::fprintf(stderr, "no recording: %s\n", pa_strerror(erreur));
            return false;
        }
        fil = std::thread([this] { Lire(); });
        return true;
    }

    void Arreter()
    {
        fin = true;
        fil.join();
        pa_simple_free(flux);
    }

    // The first block has come back: the monitor runs.
    bool Pret() const { return pret; }

    QByteArray donnees, blocs;

private:
    void Lire()
    {
        int erreur = 0;
        while (!fin && pa_simple_read(flux, bloc, sizeof bloc, &erreur) == 0) {
            donnees.append(bloc, sizeof bloc);
            pret = true;
            blocs += QByteArray::number(donnees.size() / 2) + ' ' + QByteArray::number(Maintenant()) + '\n';
        }
    }

    char bloc[Frequence * 2 * 5 / 1000];
    pa_simple *flux = nullptr;
    std::thread fil;
    std::atomic<bool> fin = false, pret = false;
};

// The real platform, noting the moment of every sound asked for.
class TPlateformeNotee final : public TPlateforme {
public:
    explicit TPlateformeNotee(TPlateforme &reelle) : reelle(reelle) {}

    quint32 CompteurTicks() override { return reelle.CompteurTicks(); }
    quint32 CompteurHauteResolution() override { return reelle.CompteurHauteResolution(); }
    void TraiterEvenements() override { reelle.TraiterEvenements(); }
    void AttendreEvenement(quint32 ms) override { reelle.AttendreEvenement(ms); }
    void JouerSon(const QString &nom, TModeSon mode) override
    {
        Noter();
        reelle.JouerSon(nom, mode);
    }
    void Bip() override
    {
        Noter();
        reelle.Bip();
    }
    void PreparerSons() override { reelle.PreparerSons(); }
    bool QuestionOuiNon(QWidget *, const QString &, const QString &) override { return true; }
    std::optional<QColor> ChoisirCouleur(QWidget *, const QColor &) override { return std::nullopt; }
    void OuvrirAide(const QString &, const QString &) override {}
    void TerminerProgramme() override {}
    bool FinDemandee() const override { return false; }

    QByteArray jeu; // the game dealing
    QByteArray appels;

private:
    void Noter() { appels += jeu + ' ' + QByteArray::number(Maintenant()) + '\n'; }

    TPlateforme &reelle;
};

void Ecrire(const QByteArray &chemin, const QByteArray &contenu)
{
    QFile f(QString::fromLocal8Bit(chemin));
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RECORDING CALLS MODULE [DEALS]\n", argv[0]);
        return 2;
    }
    const int donnes = argc > 4 ? std::atoi(argv[4]) : 10;
    QApplication app(argc, argv);
    TEnregistreur enregistreur;
    if (!enregistreur.Demarrer())
        return 1;
    TPlateformeQt reelle;
    reelle.moduleSons = QString::fromLocal8Bit(argv[3]);
    TPlateformeNotee plateforme(reelle);
    InstallerPlateforme(&plateforme);
    plateforme.PreparerSons();

    TfrmBlocusQuatorze blocus;
    TfrmCasino casino;
    TfrmMelange melange;
    TfrmMultiplesSept multiples;
    TfrmPetitsPaquets paquets;
    const std::pair<const char *, TfrmJeu *> jeux[] = {
        {"blocus", &blocus}, {"casino", &casino}, {"melange", &melange}, {"multiples", &multiples}, {"paquets", &paquets}};
    auto attendre = [](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            Plateforme().AttendreEvenement(quint32(ms - t.elapsed()));
    };
    // The monitor may start some time after the recording is asked for.
    for (int i = 0; i < 100 && !enregistreur.Pret(); ++i)
        attendre(50);
    attendre(500);
    for (const auto &[nom, fenetre] : jeux) {
        fenetre->show();
        plateforme.jeu = nom;
        for (int i = 0; i < donnes; ++i) {
            fenetre->LancerNouvellePartie();
            attendre(300); // the last sound ends
        }
        fenetre->hide();
    }
    enregistreur.Arreter();
    InstallerPlateforme(nullptr);
    Ecrire(argv[1], enregistreur.donnees);
    Ecrire(QByteArray(argv[1]) + ".blocs", enregistreur.blocs);
    Ecrire(argv[2], plateforme.appels);
    return 0;
}
