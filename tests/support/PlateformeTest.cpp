#include "PlateformeTest.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

TPlateformeTest::TPlateformeTest() { InstallerPlateforme(this); }

TPlateformeTest::~TPlateformeTest() { InstallerPlateforme(nullptr); }

void TPlateformeTest::Injecter(quint32 instant, std::function<void()> action)
{
    auto apres = std::upper_bound(injections.begin(), injections.end(), instant,
                                  [](quint32 t, const TInjection &i) { return t < i.instant; });
    injections.insert(apres, {instant, std::move(action)});
}

void TPlateformeTest::Avancer(quint32 ms)
{
    const quint32 fin = maintenant + ms;
    for (;;) {
        TraiterEvenements();
        if (maintenant >= fin)
            return;
        AttendreEvenement(fin - maintenant);
    }
}

void TPlateformeTest::TraiterEvenements()
{
    ++traitements;
    if (aChaqueTraitement)
        aChaqueTraitement();
    // Input that is due arrives before the events it causes are handled.
    while (!injections.isEmpty() && injections.first().instant <= maintenant) {
        const auto action = injections.takeFirst().action;
        action();
    }
    QCoreApplication::processEvents();
}

void TPlateformeTest::AttendreEvenement(quint32 ms)
{
    // Time jumps to the deadline, or to the next injected input if sooner.
    quint32 reveil = maintenant + ms;
    if (!injections.isEmpty() && injections.first().instant < reveil)
        reveil = std::max(maintenant, injections.first().instant);
    maintenant = reveil;
}

void TPlateformeTest::JouerSon(const QString &nom, TModeSon mode)
{
    sons.append({nom, mode, maintenant});
    journal.append(QStringLiteral("son %1%2").arg(nom, mode == TModeSon::Synchrone ? QString() : QStringLiteral(" async")));
    // A synchronous sound takes its time and handles nothing meanwhile.
    if (mode == TModeSon::Synchrone)
        maintenant += dureesSons.value(nom, 0);
}

void TPlateformeTest::Bip()
{
    bips.append(maintenant);
    journal.append(QStringLiteral("bip"));
}

bool TPlateformeTest::QuestionOuiNon(QWidget *, const QString &texte, const QString &titre)
{
    questions.append({texte, titre, maintenant});
    journal.append(QStringLiteral("question ") + titre);
    return !reponses.isEmpty() && reponses.takeFirst();
}

std::optional<QColor> TPlateformeTest::ChoisirCouleur(QWidget *, const QColor &depart)
{
    departsCouleur.append(depart);
    journal.append(QStringLiteral("couleur ") + depart.name());
    return couleurs.isEmpty() ? std::nullopt : couleurs.takeFirst();
}

void TPlateformeTest::OuvrirAide(const QString &fichier, const QString &sujet)
{
    aides.append({fichier, sujet});
    journal.append(QStringLiteral("aide %1 %2").arg(fichier, sujet));
}

void TPlateformeTest::TerminerProgramme()
{
    ++finsDemandees;
    journal.append(QStringLiteral("fin"));
}

void TPlateformeTest::Effacer()
{
    sons.clear();
    bips.clear();
    questions.clear();
    departsCouleur.clear();
    aides.clear();
    journal.clear();
    finsDemandees = 0;
    traitements = 0;
}

void TPlateformeTest::Reinitialiser()
{
    Effacer();
    reponses.clear();
    couleurs.clear();
    dureesSons.clear();
    aChaqueTraitement = nullptr;
}

void Cliquer(QWidget *fenetre, QPoint point, Qt::MouseButton bouton)
{
    QTest::mouseClick(fenetre->windowHandle(), bouton, {}, point);
}

void DoubleCliquer(QWidget *fenetre, QPoint point)
{
    QTest::mouseDClick(fenetre->windowHandle(), Qt::LeftButton, {}, point);
}
