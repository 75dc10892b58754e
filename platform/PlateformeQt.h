// The real platform: Qt's event loop, clock, sound and dialogs.
#pragma once

#include "ModuleSons.h"
#include "Plateforme.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QEventLoop;
class QProcess;
class TVisionneuseAide;

class TPlateformeQt final : public TPlateforme {
public:
    TPlateformeQt();
    ~TPlateformeQt() override;

    quint32 CompteurTicks() override;
    quint32 CompteurHauteResolution() override;
    void TraiterEvenements() override;
    void AttendreEvenement(quint32 ms) override;
    void JouerSon(const QString &nom, TModeSon mode) override;
    void Bip() override;
    void PreparerSons() override;
    bool QuestionOuiNon(QWidget *parent, const QString &texte, const QString &titre) override;
    std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) override;
    void OuvrirAide(const QString &fichier, const QString &sujet) override;
    void TerminerProgramme() override;
    bool FinDemandee() const override { return finDemandee; }

    // The help viewer's program: given, or found beside this program.
    QString programmeAide;
    // The sound module: given, or found beside this program or installed.
    QString moduleSons;
    // Makes the sound player in place of the module's, when given.
    TCreerLecteurSons creerLecteur = nullptr;
    // The bell of the window system, where no sound server can ring one.
    std::function<void()> cloche;
    // The process of the help viewer while one runs, or 0.
    qint64 ProcessusAide() const;

private:
    QString ProgrammeAide() const;
    void LancerAide();
    void FermerAide();
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
    QPointer<QProcess> aide;                // the help viewer's process
    QPointer<TVisionneuseAide> visionneuse; // only to say that no viewer can be run
    bool finDemandee = false;
};
