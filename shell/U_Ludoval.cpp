#include "U_Ludoval.h"
#include "Plateforme.h"
#include "U_Placement.h"

#include <QApplication>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace {
// Runs `suite` from the main loop once `fenetre` has been painted once.
class TApresPeinture : public QObject {
public:
    TApresPeinture(QWidget *fenetre, std::function<void()> suite) : QObject(fenetre), suite(std::move(suite))
    {
        fenetre->installEventFilter(this);
    }

    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            objet->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                suite();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> suite;
};

// The program's icon, for every window that exists or will. Its pictures
// are read as the PNG files they are: a reader left to find out the format
// loads the toolkit's other image readers to ask each of them.
void PoserIcone()
{
    if (!QApplication::windowIcon().isNull())
        return;
    QIcon icone;
    auto ajouter = [&icone](const QString &fichier) {
        QImageReader lecteur(fichier, "png");
        lecteur.setAutoDetectImageFormat(false);
        icone.addPixmap(QPixmap::fromImage(lecteur.read()));
    };
    for (int taille : {16, 32, 48, 64, 128})
        ajouter(QStringLiteral(":/icones/ludoval-%1.png").arg(taille));
    ajouter(QStringLiteral(":/icones/ludoval.png"));
    QApplication::setWindowIcon(icone);
}
} // namespace

TLudoval::TLudoval(QImage apercuOuvert) : frmChoixReussite(nullptr, std::move(apercuOuvert))
{
    TfrmJeu::DiffererFinitions = false; // windows made from now on finish at once
    // Each window takes its game's number in the chooser.
    for (TfrmJeu *jeu : std::initializer_list<TfrmJeu *>{&frmPetitsPaquets, &frmBlocusQuatorze, &frmCasino,
                                                          &frmMelange, &frmMultiplesSept})
        for (int n = 1; n <= NbReussites; ++n)
            if (&Reussite(n) == &jeu->Donnees())
                frmChoixReussite.Jeux[n] = jeu;
    TfrmJeu::ChoixReussite = &frmChoixReussite;
    TfrmJeu::APropos = &frmAPropos;
    TfrmJeu::ChoixDosCartes = [this](QWidget *appelant) { return frmChoixDosCartes.Choisir(appelant); };
}

TLudoval::~TLudoval()
{
    TfrmJeu::ChoixReussite = nullptr;
    TfrmJeu::APropos = nullptr;
    TfrmJeu::ChoixDosCartes = nullptr;
}

void TLudoval::Demarrer()
{
    Centrer(&frmChoixReussite);
    frmChoixReussite.show();
    // The keyboard's from the start, with or without a window manager.
    frmChoixReussite.activateWindow();
    // The icon, what the game windows put off and the sound player come once
    // the chooser is on screen: the icon's six sizes and the sound libraries
    // would hold its first paint back.
    new TApresPeinture(&frmChoixReussite, [this] {
        PoserIcone();
        for (TfrmJeu *jeu : frmChoixReussite.Jeux)
            jeu->Completer();
        Plateforme().PreparerSons();
    });
}

void PreparerApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ludoval"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    FichierAide = QStringLiteral("ludoval.html");

    // The toolkit's own dialogs (the colour picker) speak French too.
    static QTranslator traductions;
    if (traductions.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductions);
}
