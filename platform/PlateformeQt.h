// The real platform: Qt's event loop, clock, sound and dialogs.
#pragma once

#include "ModuleSons.h"
#include "Plateforme.h"

#include <QElapsedTimer>
#include <QPointer>

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
    bool QuestionOuiNon(const QString &texte, const QString &titre) override;
    std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) override;
    void OuvrirAide(const QString &fichier, const QString &sujet) override;
    void TerminerProgramme() override;
    bool FinDemandee() const override { return finDemandee; }

    // The help viewer's program: given, or found beside this program.
    QString programmeAide;
    // The sound module: given, or found beside this program or installed.
    QString moduleSons;
    // The process of the help viewer while one runs, or 0.
    qint64 ProcessusAide() const;

private:
    QString ProgrammeAide() const;
    void LancerAide();
    void FermerAide();

    QElapsedTimer horloge;
    TJouerWav jouerWav = nullptr;          // from the sound module, once loaded
    bool sonsPrepares = false;             // the module has been looked for
    QPointer<QProcess> aide;                // the help viewer's process
    QPointer<TVisionneuseAide> visionneuse; // only to say that no viewer can be run
    bool finDemandee = false;
};
