// The real platform: Qt's event loop, clock, sound and dialogs, and the help
// viewer's process.
#pragma once

#include "ModuleSons.h"
#include "Plateforme.h"
#include "ProcessusAide.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>

class QEventLoop;

class TPlateformeQt final : public TPlateforme {
public:
    TPlateformeQt();

    quint32 CompteurTicks() override;
    quint32 CompteurHauteResolution() override;
    void TraiterEvenements() override;
    void AttendreEvenement(quint32 ms) override;
    void JouerSon(const QString &nom, TModeSon mode) override;
    void Bip() override;
    void PreparerSons() override;
    bool QuestionOuiNon(QWidget *parent, const QString &texte, const QString &titre) override;
    std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) override;
    void OuvrirAide(const QString &fichier, const QString &sujet) override { aide.Ouvrir(fichier, sujet); }
    void TerminerProgramme() override;
    bool FinDemandee() const override { return finDemandee; }

    // The sound module: given, or found beside this program or installed.
    QString moduleSons;
    // Makes the sound player in place of the module's, when given.
    TCreerLecteurSons creerLecteur = nullptr;
    // The bell of the window system, where no sound server can ring one.
    std::function<void()> cloche;
    // The help viewer, ended with the platform.
    TProcessusAide aide;

private:
    TCreerLecteurSons ChargerModuleSons() const;
    quint32 NouveauNumeroSon(quint32 genre);
    void SonFini(quint32 numero, bool sansServeur);

    QElapsedTimer horloge;
    // Ends reported by the player reach the user-interface thread through
    // this object; destroyed after the player, it drops those still on their way.
    QObject receveurSons;
    std::unique_ptr<TLecteurSons> lecteur; // once the module is loaded
    bool sonsPrepares = false;             // the module has been looked for
    quint32 numeroSon = 0;                 // the last sound asked for
    QEventLoop *attenteSon = nullptr;      // waiting for the synchronous sound…
    quint32 sonAttendu = 0;                // …of this number
    bool finDemandee = false;
};
