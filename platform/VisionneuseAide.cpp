#include "VisionneuseAide.h"
#include "Plateforme.h"

#include <QUrl>

TVisionneuseAide::TVisionneuseAide(QWidget *parent) : QTextBrowser(parent)
{
    setWindowTitle(QStringLiteral("Aide de Ludoval"));
    setOpenExternalLinks(true);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPointSize(10);
    document()->setDefaultFont(police);
    resize(560, 520);
}

void TVisionneuseAide::Ouvrir(const QString &fichier, const QString &sujet)
{
    const QString chemin = TrouverFichier(fichier);
    if (chemin.isEmpty()) {
        setHtml(QStringLiteral("<h3>Aide introuvable</h3><p>Le fichier d'aide « %1 » est "
                               "introuvable. Le jeu continue sans elle.</p>")
                    .arg(fichier.toHtmlEscaped()));
    } else {
        QUrl adresse = QUrl::fromLocalFile(chemin);
        if (!sujet.isEmpty())
            adresse.setFragment(sujet);
        setSource(adresse);
    }
    show();
    raise();
    activateWindow();
}
