#include "U_Ludoval.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

TLudoval::TLudoval()
{
    frmChoixReussite.Jeux = {nullptr, &frmBlocusQuatorze, &frmCasino, &frmMelange, &frmMultiplesSept,
                             &frmPetitsPaquets};
    TfrmJeu::ChoixReussite = &frmChoixReussite;
    TfrmJeu::APropos = &frmAPropos;
    TfrmJeu::ChoixDosCartes = [this](QWidget *) { return frmChoixDosCartes.Choisir(); };
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

    QIcon icone;
    for (int taille : {16, 32, 48, 64, 128})
        icone.addFile(QStringLiteral(":/icones/ludoval-%1.png").arg(taille));
    icone.addFile(QStringLiteral(":/icones/ludoval.png"));
    QApplication::setWindowIcon(icone);
}
