// The help viewer as the game sees it: a process of its own (ludoval-aide),
// started at the first request and given the next ones, ended with this
// object or with the program. Where no viewer can be run, a window of the
// game's own says so.
#pragma once

#include <QPointer>
#include <QString>

class QProcess;
class TVisionneuseAide;

class TProcessusAide {
public:
    TProcessusAide() = default;
    ~TProcessusAide(); // the viewer ends with it
    TProcessusAide(const TProcessusAide &) = delete;
    TProcessusAide &operator=(const TProcessusAide &) = delete;

    // The help file `fichier`, found by bare name, at `sujet` (empty: its contents).
    void Ouvrir(const QString &fichier, const QString &sujet);
    // The viewer's process while one runs, or 0.
    qint64 Processus() const;

    // The viewer's program: given, or found beside this program.
    QString programme;

private:
    void Lancer();
    void Fermer();

    QPointer<QProcess> aide;                // the viewer's process
    QPointer<TVisionneuseAide> visionneuse; // only to say that no viewer can be run
};
