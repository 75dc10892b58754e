// The help viewer: the program's HTML help file in a window of its own,
// opened at its contents or at a topic's anchor, beside the game. It runs in
// a process of its own (ludoval-aide), so that no help file, however made,
// can freeze or bring down the game that asked for it.
#pragma once

#include <QTextBrowser>
#include <optional>

class TVisionneuseAide : public QTextBrowser {
    Q_OBJECT
public:
    explicit TVisionneuseAide(QWidget *parent = nullptr);
    // The help file `nom`, found at `chemin` (empty: found nowhere, which the
    // viewer says itself), at `sujet` (empty: the contents).
    void Ouvrir(const QString &nom, const QString &chemin, const QString &sujet);
};

// One request to the viewer's process: a line of its input.
struct TRequeteAide {
    QString nom, chemin, sujet;
    QByteArray Ligne() const;
    // Nothing for a line that is no request.
    static std::optional<TRequeteAide> Lire(const QByteArray &ligne);
};
