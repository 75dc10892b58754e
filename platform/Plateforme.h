// The few services of the operating system that the program relies on.
// Everything else in the program reaches them through Plateforme(), so that
// the tests can put a double in place (virtual clock, recorded sounds).
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

// How a sound is played: the call returns when it has ended, or at once.
enum class TModeSon { Synchrone, Asynchrone };

class TPlateforme {
public:
    virtual ~TPlateforme() = default;

    // Time: milliseconds since an arbitrary origin, unsigned 32-bit, wrapping.
    virtual quint32 CompteurTicks() = 0;
    // Low 32 bits of a high-resolution counter, used to seed the shuffle.
    virtual quint32 CompteurHauteResolution() = 0;

    // Window events: handles every pending event, then returns.
    virtual void TraiterEvenements() = 0;
    // Sleeps in the event loop until the next event arrives or `ms` have passed.
    virtual void AttendreEvenement(quint32 ms) = 0;

    // A WAV file by bare name; a missing file gives the default beep.
    virtual void JouerSon(const QString &nom, TModeSon mode) = 0;
    virtual void Bip() = 0;
    // Loads what playing needs ahead of the first sound; the first sound
    // does it otherwise.
    virtual void PreparerSons() {}

    // Application-modal question with Yes and No and no icon, over `parent`'s
    // window; true for Yes. Only its two buttons answer it.
    virtual bool QuestionOuiNon(QWidget *parent, const QString &texte, const QString &titre) = 0;
    // The colour picker, starting on `depart`; nothing when cancelled.
    virtual std::optional<QColor> ChoisirCouleur(QWidget *parent, const QColor &depart) = 0;
    // The help file at a topic, or at its contents when the topic is empty.
    virtual void OuvrirAide(const QString &fichier, const QString &sujet) = 0;

    // Ends the program once control is back in the main event loop; the
    // operation under way finishes first.
    virtual void TerminerProgramme() = 0;
    // The end has been asked for: the program takes no new command.
    virtual bool FinDemandee() const = 0;
};

// The platform in force: the real one that the program installed, or a
// test's double. Asked for with none installed, it ends the program.
TPlateforme &Plateforme();
// Installs `p` (not owned) as the platform in force; nullptr leaves none.
void InstallerPlateforme(TPlateforme *p);

