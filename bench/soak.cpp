// The whole program played at random, offscreen, on the platform's test
// double (virtual clock, scripted answers, input injected at a virtual time):
// the five game windows, the chooser, the card-back chooser and the about
// box, with clicks on cards and on the table, new deals, the windows'
// commands, leaving for the chooser and choosing a game there, many of them
// arriving in the middle of deals, pauses and slides. After every step the
// game on screen must satisfy its invariants; every break is printed with the
// seed and step that reproduce it.
//
//     soak STEPS SEED
//
// Prints the steps per second and the count of breaks; exits 1 on any.
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_Ludoval.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
// Answers the modal dialogs from inside their own loops, as a player would:
// the about box closes by its button, Enter or Escape; the card-back chooser
// gets a click on one of its backs, a click that chooses nothing, or closes.
class TRepondeur : public QObject {
public:
    TRepondeur(TLudoval &ludoval, QRandomGenerator &hasard) : ludoval(ludoval), hasard(hasard)
    {
        ludoval.frmAPropos.installEventFilter(this);
        ludoval.frmChoixDosCartes.installEventFilter(this);
    }

    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            ++ouvertures;
            Bientot(static_cast<QDialog *>(objet));
        }
        return false;
    }

    qint64 ouvertures = 0; // dialogs answered

private:
    void Bientot(QDialog *dialogue)
    {
        QTimer::singleShot(0, dialogue, [this, dialogue] {
            if (!dialogue->isVisible())
                return;
            if (dialogue == &ludoval.frmAPropos)
                FermerAPropos();
            else
                ChoisirDos();
            if (dialogue->isVisible())
                Bientot(dialogue); // nothing chosen yet: another try
        });
    }

    void FermerAPropos()
    {
        TfrmAPropos &boite = ludoval.frmAPropos;
        switch (hasard.bounded(3)) {
        case 0: Cliquer(&boite, boite.OKButton->geometry().center()); break;
        case 1: QTest::keyClick(&boite, Qt::Key_Return); break;
        default: QTest::keyClick(&boite, Qt::Key_Escape); break;
        }
    }

    void ChoisirDos()
    {
        TfrmChoixDosCartes &choix = ludoval.frmChoixDosCartes;
        const quint32 tirage = hasard.bounded(10);
        TCarte *carte = choix.CartesDos[hasard.bounded(13)];
        if (tirage < 6 && carte)
            Cliquer(&choix, carte->geometry().center(), tirage < 5 ? Qt::LeftButton : Qt::RightButton);
        else if (tirage < 8)
            Cliquer(&choix, QPoint(int(hasard.bounded(choix.width())), int(hasard.bounded(choix.height()))));
        else
            choix.close();
    }

    TLudoval &ludoval;
    QRandomGenerator &hasard;
};

class TSoak {
public:
    explicit TSoak(quint32 graine) : graine(graine), hasard(graine) { Demarrer(); }

    // One random step, then the checks; the count of breaks found.
    int Pas(qint64 pas)
    {
        aides += plateforme.aides.size();
        plateforme.Effacer(); // the records would only grow
        plateforme.graine = hasard.generate(); // the next shuffle's seed
        plateforme.reponses = {true, true, true, true}; // a won game deals again
        TfrmJeu *jeu = JeuAffiche();
        const auto jeux = Jeux();
        const int j = jeu ? int(std::find(jeux.begin(), jeux.end(), jeu) - jeux.begin()) : -1;
        ++pasParFenetre[1 + j];
        if (jeu)
            PasSurJeu(jeu);
        else
            PasSurChoix();
        plateforme.Avancer(3000); // every input injected arrives
        if (jeu)
            victoires[j] += plateforme.questions.size();
        return Verifier(pas);
    }

    // What the steps went through, to see that the walk covers the program.
    QString Bilan() const
    {
        QString bilan = QStringLiteral("steps on the chooser %1").arg(pasParFenetre[0]);
        for (int j = 0; j < NbReussites; ++j)
            bilan += QStringLiteral(", on %1 %2 (won %3)")
                         .arg(QString::fromUtf8(Reussite(j + 1).libelle)).arg(pasParFenetre[1 + j]).arg(victoires[j]);
        return bilan + QStringLiteral("; in earnest %1; dialogs %2, help %3, restarts %4")
                           .arg(pasEnPartie).arg(ouvertures + repondeur->ouvertures).arg(aides).arg(redemarrages);
    }

private:
    // The program as start-up makes it, on the test double.
    void Demarrer()
    {
        if (repondeur) {
            ouvertures += repondeur->ouvertures;
            ++redemarrages;
        }
        repondeur.reset();
        ludoval.reset();
        plateforme.Reinitialiser();
        TfrmJeu::DiffererFinitions = true;
        ludoval = std::make_unique<TLudoval>();
        ludoval->Demarrer();
        repondeur = std::make_unique<TRepondeur>(*ludoval, hasard);
    }

    std::array<TfrmJeu *, 5> Jeux() const
    {
        return {&ludoval->frmBlocusQuatorze, &ludoval->frmCasino, &ludoval->frmMelange,
                &ludoval->frmMultiplesSept, &ludoval->frmPetitsPaquets};
    }
    TfrmJeu *JeuAffiche() const
    {
        for (TfrmJeu *jeu : Jeux())
            if (jeu->isVisible())
                return jeu;
        return nullptr;
    }

    // A point of the table: a card worth clicking most of the time, now and
    // then anywhere between the toolbar and the status bar.
    QPoint PointSurTable(TfrmJeu *jeu)
    {
        if (hasard.bounded(8) > 0)
            return PointAuHasard(jeu, hasard);
        const int bas = jeu->height() - jeu->BarreEtat()->height();
        return {int(hasard.bounded(jeu->width())), 50 + int(hasard.bounded(bas - 50))};
    }
    void CliquerTable(TfrmJeu *jeu)
    {
        if (jeu->isVisible())
            Cliquer(jeu, PointSurTable(jeu), hasard.bounded(2) ? Qt::LeftButton : Qt::RightButton);
    }
    // Something for the window to be busy with when an injected input arrives.
    void Occuper(TfrmJeu *jeu)
    {
        if (hasard.bounded(2))
            jeu->JeuNouvellePartie->trigger();
        else
            CliquerTable(jeu);
    }

    void PasSurJeu(TfrmJeu *jeu)
    {
        if (enPartie > 0 || hasard.bounded(300) == 0) {
            PasEnPartie(jeu);
            return;
        }
        const quint32 tirage = hasard.bounded(100);
        const quint32 delai = hasard.bounded(2500);
        if (tirage < 75) {
            // Clicks, deals and the window's commands, as the games' tests walk.
            PasAuHasard(plateforme, jeu, hasard, [this, jeu](QRandomGenerator &) { return PointSurTable(jeu); });
        } else if (tirage < 80) {
            // The about box, now or in the middle of something.
            if (hasard.bounded(2)) {
                jeu->AideAPropos->trigger();
            } else {
                plateforme.InjecterDans(delai, [jeu] { jeu->AideAPropos->trigger(); });
                Occuper(jeu);
            }
        } else if (tirage < 83) {
            // The colour dialog cancelled.
            plateforme.couleurs.clear();
            plateforme.InjecterDans(delai, [jeu] { jeu->OptionsChoixCouleurTapis->trigger(); });
            Occuper(jeu);
        } else if (tirage < 91) {
            // Off to the chooser and straight into a game, maybe this one.
            plateforme.InjecterDans(delai, [this, jeu] {
                jeu->JeuChoisirReussite->trigger();
                LancerAuHasard();
            });
            Occuper(jeu);
        } else if (tirage < 95) {
            // The title bar's close box: back to the chooser.
            if (hasard.bounded(2)) {
                jeu->close();
            } else {
                plateforme.InjecterDans(delai, [jeu] { jeu->close(); });
                Occuper(jeu);
            }
        } else {
            // Ctrl+N held down, with clicks among the deals.
            for (quint32 t = 30 + hasard.bounded(300); t < 2500; t += 30 + hasard.bounded(300))
                plateforme.InjecterDans(t, [this, jeu] {
                    if (hasard.bounded(3))
                        jeu->JeuNouvellePartie->trigger();
                    else
                        CliquerTable(jeu);
                });
            jeu->JeuNouvellePartie->trigger();
        }
    }

    // Now and then a game is played in earnest, so that games run to their
    // end and the win question comes: for a few hundred steps only clicks
    // worth making, some of them during the pauses, until the game is won.
    void PasEnPartie(TfrmJeu *jeu)
    {
        enPartie = enPartie > 0 ? enPartie - 1 : 250;
        ++pasEnPartie;
        const QPoint point = PointAuHasard(jeu, hasard);
        if (hasard.bounded(5) == 0)
            plateforme.InjecterDans(hasard.bounded(2000), [this, jeu] {
                if (jeu->isVisible())
                    Cliquer(jeu, PointAuHasard(jeu, hasard));
            });
        Cliquer(jeu, point);
        if (!plateforme.questions.isEmpty())
            enPartie = 0; // won: back to the rough play
    }

    // A client point of the chooser on a game's name.
    QPoint PointLabel(int n) const
    {
        TLabelReussite *label = ludoval->frmChoixReussite.Labels()[n];
        return label->mapTo(&ludoval->frmChoixReussite, QPoint(40, 15));
    }
    // A game chosen and opened: a double click on its name, or a click then OK.
    void LancerAuHasard()
    {
        TfrmChoixReussite &choix = ludoval->frmChoixReussite;
        if (!choix.isVisible())
            return;
        const int n = 1 + int(hasard.bounded(5));
        if (hasard.bounded(2)) {
            DoubleCliquer(&choix, PointLabel(n));
        } else {
            Cliquer(&choix, PointLabel(n));
            Cliquer(&choix, choix.btnOk->geometry().center());
        }
    }

    void PasSurChoix()
    {
        TfrmChoixReussite &choix = ludoval->frmChoixReussite;
        const quint32 tirage = hasard.bounded(100);
        const int n = 1 + int(hasard.bounded(5));
        if (tirage < 30) {
            Cliquer(&choix, PointLabel(n), hasard.bounded(3) ? Qt::LeftButton : Qt::RightButton);
        } else if (tirage < 50) {
            DoubleCliquer(&choix, PointLabel(n));
        } else if (tirage < 65) {
            Cliquer(&choix, choix.btnOk->geometry().center());
        } else if (tirage < 70) {
            Cliquer(&choix, choix.btnRegles->geometry().center());
        } else if (tirage < 85) {
            Cliquer(&choix, QPoint(int(hasard.bounded(choix.width())), int(hasard.bounded(choix.height()))));
        } else {
            // A game opened, with clicks that arrive during its deal.
            LancerAuHasard();
            for (int k = 0; k < 3; ++k)
                plateforme.InjecterDans(hasard.bounded(2500), [this] {
                    if (TfrmJeu *jeu = JeuAffiche())
                        CliquerTable(jeu);
                });
        }
    }

    // Prints every break of this step; the program starts again after one,
    // so that each break found is a fresh one.
    int Verifier(qint64 pas)
    {
        QStringList pannes;
        if (plateforme.FinDemandee())
            pannes << QStringLiteral("the end of the program was asked for");
        int fenetres = ludoval->frmChoixReussite.isVisible() ? 1 : 0;
        for (TfrmJeu *jeu : Jeux())
            fenetres += jeu->isVisible() ? 1 : 0;
        if (fenetres != 1)
            pannes << QStringLiteral("%1 windows on screen, the chooser and the games").arg(fenetres);
        if (ludoval->frmAPropos.isVisible() || ludoval->frmChoixDosCartes.isVisible())
            pannes << QStringLiteral("a dialog is still open");
        for (TCarte *carte : ludoval->frmChoixDosCartes.CartesDos)
            if (carte)
                pannes << QStringLiteral("the card-back chooser keeps a card once closed");
        QString ou = QStringLiteral("chooser");
        if (TfrmJeu *jeu = JeuAffiche()) {
            ou = jeu->windowTitle();
            pannes << InvariantsRompus(*jeu);
            pannes << DosRompus(*jeu);
        } else {
            pannes << ChoixRompu(ludoval->frmChoixReussite);
        }
        for (const QString &panne : pannes)
            std::printf("seed %u step %lld: %s: %s\n", graine, pas, qPrintable(ou), qPrintable(panne));
        if (!pannes.isEmpty()) {
            std::fflush(stdout);
            Demarrer();
        }
        return int(pannes.size());
    }

    // A deck shows one back: the one chosen last, on every card.
    static QStringList DosRompus(const TfrmJeu &jeu)
    {
        const TDosCarte dos = jeu.Talon()->Cartes()[0]->DosCarte();
        for (const TCarte *carte : jeu.Talon()->Cartes())
            if (carte->DosCarte() != dos)
                return {QStringLiteral("the deck shows backs %1 and %2").arg(int(dos)).arg(int(carte->DosCarte()))};
        return {};
    }
    // The chooser shows the game it says is chosen, in red, and only it.
    static QStringList ChoixRompu(const TfrmChoixReussite &choix)
    {
        QStringList pannes;
        const int n = choix.ReussiteChoisie;
        if (n < 1 || n > 5)
            return {QStringLiteral("the chooser names game %1").arg(n)};
        const auto labels = choix.Labels();
        for (int k = 1; k <= 5; ++k)
            if ((labels[k]->palette().color(QPalette::Window) == QColor(255, 0, 0)) != (k == n))
                pannes << QStringLiteral("game %1 is %2 red while game %3 is chosen")
                              .arg(k).arg(k == n ? "not" : "also").arg(n);
        return pannes;
    }

    const quint32 graine;
    QRandomGenerator hasard;
    TPlateformeTest plateforme;
    std::unique_ptr<TLudoval> ludoval;
    std::unique_ptr<TRepondeur> repondeur;
    std::array<qint64, 6> pasParFenetre{}; // the chooser, then the games in the chooser's order
    int enPartie = 0; // steps left of a game played in earnest
    std::array<qint64, 5> victoires{}; // win questions, by game
    qint64 pasEnPartie = 0, aides = 0, ouvertures = 0, redemarrages = 0;
};

// The offscreen platform says so at every window raised or dialog shown.
QtMessageHandler messagesQt = nullptr;
void Filtrer(QtMsgType type, const QMessageLogContext &contexte, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        messagesQt(type, contexte, message);
}

bool LireEntier(const char *texte, qint64 &valeur)
{
    bool ok = false;
    valeur = QByteArray(texte).toLongLong(&ok);
    return ok && valeur >= 0;
}
} // namespace

int main(int argc, char *argv[])
{
    qint64 pas = 0, graine = 0;
    if (argc != 3 || !LireEntier(argv[1], pas) || !LireEntier(argv[2], graine) || graine > 0xffffffffLL) {
        std::fprintf(stderr, "usage: %s STEPS SEED\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    messagesQt = qInstallMessageHandler(Filtrer);
    QApplication app(argc, argv);
    PreparerApplication();
    TSoak soak{quint32(graine)};

    QElapsedTimer chrono;
    chrono.start();
    qint64 ruptures = 0, pasRompus = 0;
    for (qint64 n = 0; n < pas; ++n) {
        const int r = soak.Pas(n);
        ruptures += r;
        pasRompus += r > 0 ? 1 : 0;
        if ((n + 1) % 10000 == 0)
            std::fprintf(stderr, "%lld steps, %.1f steps/s, %lld breaks\n", n + 1,
                         double(n + 1) * 1000.0 / double(std::max<qint64>(chrono.elapsed(), 1)), ruptures);
    }
    const double secondes = double(std::max<qint64>(chrono.elapsed(), 1)) / 1000.0;
    std::printf("%lld steps from seed %lld in %.1f s: %.1f steps/s, %lld breaks in %lld steps\n", pas, graine,
                secondes, double(pas) / secondes, ruptures, pasRompus);
    std::printf("%s\n", qPrintable(soak.Bilan()));
    return ruptures > 0 ? 1 : 0;
}
