// Ludoval: five French patience games.
#include "U_BlocusQuatorze.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludoval"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The table was laid out for these two faces; their metric twins stand in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    FichierAide = QStringLiteral("ludoval.html");
    // The toolkit's own dialogs (the colour picker) speak French too.
    QTranslator traductions;
    if (traductions.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductions);

    TfrmBlocusQuatorze frmBlocusQuatorze;
    frmBlocusQuatorze.AfficherPourJouer();
    return app.exec();
}
