// The real platform: Qt's event loop, clock, sound and dialogs.
#pragma once

#include "Plateforme.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>

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

private:
    QSoundEffect *effet(const QString &chemin);

    QElapsedTimer horloge;
    QHash<QString, QSoundEffect *> effets; // one per file, loaded once
    QPointer<QSoundEffect> enCours;        // cut off by the next sound
    QPointer<TVisionneuseAide> visionneuse;
    bool finDemandee = false;
};
