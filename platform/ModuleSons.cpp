#include "ModuleSons.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void LudovalJouerWav(const QString &chemin)
{
    // One effect per file, loaded once; the application object owns them.
    static QHash<QString, QPointer<QSoundEffect>> effets;
    static QPointer<QSoundEffect> enCours;
    if (enCours)
        enCours->stop();
    QPointer<QSoundEffect> &effet = effets[chemin];
    if (!effet) {
        effet = new QSoundEffect(qApp);
        effet->setSource(QUrl::fromLocalFile(chemin));
    }
    enCours = effet;
    enCours->play();
}
