// The real platform: Qt's event loop, clock, sound and dialogs.
#pragma once

#include "Plateforme.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>

class QProcess;
class QSoundEffect;
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
    bool QuestionOuiNon(const QString &texte, const QString &titre) override;
    std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) override;
    void OuvrirAide(const QString &fichier, const QString &sujet) override;
    void TerminerProgramme() override;
    bool FinDemandee() const override { return finDemandee; }

    // The help viewer's program: given, or found beside this program.
    QString programmeAide;
    // The process of the help viewer while one runs, or 0.
    qint64 ProcessusAide() const;

private:
    QSoundEffect *effet(const QString &chemin);
    QString ProgrammeAide() const;
    void LancerAide();
    void FermerAide();

    QElapsedTimer horloge;
    QHash<QString, QSoundEffect *> effets; // one per file, loaded once
    QPointer<QSoundEffect> enCours;        // cut off by the next sound
    QPointer<QProcess> aide;                // the help viewer's process
    QPointer<TVisionneuseAide> visionneuse; // only to say that no viewer can be run
    bool finDemandee = false;
};
