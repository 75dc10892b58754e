// The help viewer: the program's HTML help file in a window of its own,
// opened at its contents or at a topic's anchor, beside the game.
#pragma once

#include <QTextBrowser>

class TVisionneuseAide : public QTextBrowser {
    Q_OBJECT
public:
    explicit TVisionneuseAide(QWidget *parent = nullptr);
    // `sujet` empty: the contents. A missing file is said in the viewer itself.
    void Ouvrir(const QString &fichier, const QString &sujet);
};
