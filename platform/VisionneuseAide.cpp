#include "VisionneuseAide.h"

#include <QShortcut>
#include <QUrl>

TVisionneuseAide::TVisionneuseAide(QWidget *parent) : QTextBrowser(parent)
{
    setWindowTitle(QStringLiteral("Aide de Ludoval"));
    setOpenExternalLinks(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    // A light page whatever the desktop's theme: the help file's colours were
    // chosen for it.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
    setPalette(page);
    // Closed as help windows are.
    for (const QKeySequence &touche : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(touche, this), &QShortcut::activated, this, &QWidget::close);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPointSize(10);
    document()->setDefaultFont(police);
    resize(560, 520);
}

void TVisionneuseAide::Ouvrir(const QString &nom, const QString &chemin, const QString &sujet)
{
    if (chemin.isEmpty()) {
        setHtml(QStringLiteral("<h3>Aide introuvable</h3><p>Le fichier d'aide « %1 » est "
                               "introuvable. Le jeu continue sans elle.</p>")
                    .arg(nom.toHtmlEscaped()));
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

// Three fields, percent-encoded, separated by blanks.
QByteArray TRequeteAide::Ligne() const
{
    return nom.toUtf8().toPercentEncoding() + ' ' + chemin.toUtf8().toPercentEncoding() + ' '
         + sujet.toUtf8().toPercentEncoding() + '\n';
}

std::optional<TRequeteAide> TRequeteAide::Lire(const QByteArray &ligne)
{
    QByteArray texte = ligne;
    while (texte.endsWith('\n') || texte.endsWith('\r'))
        texte.chop(1);
    const QList<QByteArray> champs = texte.split(' ');
    if (champs.size() != 3)
        return std::nullopt;
    auto champ = [&](int i) { return QString::fromUtf8(QByteArray::fromPercentEncoding(champs[i])); };
    return TRequeteAide{champ(0), champ(1), champ(2)};
}
