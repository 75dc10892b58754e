// The platform double of the tests: a virtual clock that moves only when the
// program waits, every sound, beep, question and help request recorded in
// order, scripted answers for the dialogs, and input injected at a virtual time.
#pragma once

#include "Plateforme.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <functional>

class QWidget;

class TPlateformeTest final : public TPlateforme {
public:
    TPlateformeTest();  // installs itself
    ~TPlateformeTest() override; // and leaves none installed

    // ---- scripted by the test ----
    quint32 maintenant = 1000;            // the virtual tick count
    quint32 graine = 1;                   // what the high-resolution counter reads
    QHash<QString, quint32> dureesSons;   // how long a synchronous sound lasts
    QList<bool> reponses;                 // Yes/No answers in turn; No once used up
    QList<std::optional<QColor>> couleurs; // colour dialog answers; cancel once used up

    // Runs `action` once the virtual clock reaches `instant`, from inside
    // whatever event processing happens then (a pause, a slide, ...).
    void Injecter(quint32 instant, std::function<void()> action);
    // Same, `delai` ms from now.
    void InjecterDans(quint32 delai, std::function<void()> action) { Injecter(maintenant + delai, std::move(action)); }
    // Lets virtual time pass at the top level, handling events and injections.
    void Avancer(quint32 ms);
    bool InjectionsEnAttente() const { return !injections.isEmpty(); }
    // Called at every TraiterEvenements, before anything else: a test's eyes.
    std::function<void()> aChaqueTraitement;

    // ---- recorded ----
    struct TSon { QString nom; TModeSon mode; quint32 instant; };
    struct TQuestion { QString texte, titre; quint32 instant; };
    struct TAide { QString fichier, sujet; };
    QList<TSon> sons;
    QList<quint32> bips;
    QList<TQuestion> questions;
    QList<QColor> departsCouleur;
    QList<TAide> aides;
    int finsDemandees = 0;
    int traitements = 0; // calls of TraiterEvenements
    QStringList journal; // every recorded call, in order: "son CarteDistrib.wav", "bip", ...
    void Effacer();      // forgets everything recorded
    void Reinitialiser(); // and everything scripted too

    // ---- the platform ----
    quint32 CompteurTicks() override { return maintenant; }
    quint32 CompteurHauteResolution() override { return graine; }
    void TraiterEvenements() override;
    void AttendreEvenement(quint32 ms) override;
    void JouerSon(const QString &nom, TModeSon mode) override;
    void Bip() override;
    bool QuestionOuiNon(QWidget *parent, const QString &texte, const QString &titre) override;
    std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) override;
    void OuvrirAide(const QString &fichier, const QString &sujet) override;
    void TerminerProgramme() override;
    bool FinDemandee() const override { return finsDemandees > 0; }

private:
    struct TInjection { quint32 instant; std::function<void()> action; };
    QList<TInjection> injections; // in order of time, then of injection
};

// A mouse press and release at a client point of a shown window, delivered
// by the window system to whatever widget is on top there.
void Cliquer(QWidget *fenetre, QPoint point, Qt::MouseButton bouton = Qt::LeftButton);
void DoubleCliquer(QWidget *fenetre, QPoint point);
