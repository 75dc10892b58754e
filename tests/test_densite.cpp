// High-density screens: the card art, the toolbar images, the chooser's
// previews and the about box's picture exist at more than one density, and
// every surface gets the drawing that suits its device pixel ratio. The test
// runs once at the ordinary ratio and once under QT_SCALE_FACTOR=2.
#include "JeuEssai.h"
#include "PlateformeTest.h"
#include "U_Apropos.h"
#include "U_Casino.h"
#include "U_ChoixReussite.h"
#include "U_ImageBarre.h"
#include "U_Jpeg.h"

#include <QAction>
#include <QDirIterator>
#include <QPainter>
#include <QTest>
#include <QToolBar>

#include <cmath>

namespace {
// Pictures compared pixel for pixel: a finer one's name gives it a device
// pixel ratio of 2, which does not count here.
QImage Pixels(QImage image, QImage::Format format)
{
    image = image.convertToFormat(format);
    image.setDevicePixelRatio(1);
    return image;
}

QImage Rgb(const QImage &image) { return Pixels(image, QImage::Format_RGB32); }
QImage Argb(const QImage &image) { return Pixels(image, QImage::Format_ARGB32); }
// A picture as a pixmap holds it: its half-transparent pixels rounded as this
// processor's premultiplying rounds them.
QImage Premultipliee(const QImage &image) { return Pixels(image, QImage::Format_ARGB32_Premultiplied); }

QImage Carte(const QString &nom) { return Rgb(QImage(QStringLiteral(":/cartes/%1.bmp").arg(nom))); }

QImage Negatif(QImage image)
{
    image.invertPixels();
    return image;
}

// A picture with transparency laid on a background, by default the neutral
// grey of a toolbar.
QImage SurGris(const QImage &image, const QColor &couleur = QColor(0x80, 0x80, 0x80))
{
    QImage fond(image.size(), QImage::Format_RGB32);
    fond.fill(couleur);
    QPainter(&fond).drawImage(0, 0, Argb(image));
    return fond;
}

// Mean difference of the colour channels of two pictures of one size, 0…255.
double Ecart(const QImage &a, const QImage &b)
{
    const QImage x = Rgb(a), y = Rgb(b);
    Q_ASSERT(x.size() == y.size());
    double somme = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                     + std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * x.width() * x.height());
}

QImage Reduite(const QImage &fine, QSize taille)
{
    return Rgb(fine).scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Each finer picture, brought down to the coarse size, looks like its own twin
// (within `tolerance`) more than like any other picture of the set.
void MemesSujets(const QMap<QString, QImage> &grossieres, const QMap<QString, QImage> &fines,
                 double tolerance)
{
    QCOMPARE(fines.keys(), grossieres.keys());
    for (auto f = fines.begin(); f != fines.end(); ++f) {
        const QImage reduite = Reduite(*f, grossieres.first().size());
        const double jumeau = Ecart(reduite, grossieres[f.key()]);
        QVERIFY2(jumeau < tolerance, qPrintable(QStringLiteral("%1: %2").arg(f.key()).arg(jumeau)));
        for (auto g = grossieres.begin(); g != grossieres.end(); ++g)
            if (g.key() != f.key())
                QVERIFY2(Ecart(reduite, *g) > jumeau,
                         qPrintable(QStringLiteral("%1 looks like %2").arg(f.key(), g.key())));
    }
}

// The pictures of a resource folder by density ("", "@1.5x", "@2x"), then
// by bare name.
QMap<QString, QMap<QString, QImage>> Images(const QString &dossier, const QString &extension)
{
    QMap<QString, QMap<QString, QImage>> images;
    QDirIterator it(dossier);
    while (it.hasNext()) {
        const QString fichier = it.next();
        const QString nom = QFileInfo(fichier).fileName().chopped(extension.size() + 1);
        if (!fichier.endsWith(u'.' + extension) || nom.startsWith(QLatin1String("ludoval"))
            || nom.startsWith(QLatin1String("apropos-")))
            continue; // the program icon and the about-box picture have sizes of their own
        const qsizetype arobase = nom.indexOf(u'@');
        images[arobase < 0 ? QString() : nom.mid(arobase)].insert(nom.left(arobase), QImage(fichier));
    }
    return images;
}

// Where `motif`'s opaque pixels all appear in `image`, or (-1, -1).
QPoint Trouver(const QImage &image, const QImage &motif)
{
    const QImage fond = Rgb(image), m = Argb(motif);
    for (int y = 0; y + m.height() <= fond.height(); ++y)
        for (int x = 0; x + m.width() <= fond.width(); ++x) {
            bool partout = true;
            for (int j = 0; j < m.height() && partout; ++j)
                for (int i = 0; i < m.width() && partout; ++i) {
                    const QRgb p = m.pixel(i, j);
                    partout = qAlpha(p) < 255 || (fond.pixel(x + i, y + j) | 0xff000000u) == p;
                }
            if (partout)
                return {x, y};
        }
    return {-1, -1};
}

// A card drawn into a picture of the given density, as a window would draw it.
QImage Rendue(TCarte &carte, qreal densite)
{
    QImage image(QSize(qCeil(TCarte::Largeur * densite), qCeil(TCarte::Hauteur * densite)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(densite);
    image.fill(Qt::magenta);
    carte.render(&image);
    return Rgb(image);
}
} // namespace

class TestDensite : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;

private slots:
    void cartesEnDeuxDensites();
    void carteSelonLaSurface();
    void carteDansUneFenetre();
    void imagesDeLaBarre();
    void barreOutilsSelonLaFenetre();
    void apercusEtAPropos();
};

void TestDensite::cartesEnDeuxDensites()
{
    auto cartes = Images(QStringLiteral(":/cartes"), QStringLiteral("bmp"));
    const auto &grossieres = cartes[QString()], &fines = cartes[QStringLiteral("@2x")];
    QCOMPARE(cartes.size(), 2);
    QCOMPARE(grossieres.size(), 67);
    for (auto f = fines.begin(); f != fines.end(); ++f) {
        QCOMPARE(f->size(), QSize(142, 192));
        QCOMPARE(f->format(), QImage::Format_Indexed8);
    }
    MemesSujets(grossieres, fines, 6.0);
    QVERIFY(ChargerBitmap(QStringLiteral("VIDEAQUA"), 2).isNull());
}

void TestDensite::carteSelonLaSurface()
{
    QWidget table;
    TCarte carte(&table);
    // Every face, then every back that has a picture.
    for (int i = 0; i < 52 + int(TDosCarte::Vide); ++i) {
        carte.SetFaceVisible(i < 52);
        if (i < 52) {
            carte.SetCouleur(TCouleurCarte(i / 13));
            carte.SetValeur(i % 13 + 1);
        } else {
            carte.SetDosCarte(TDosCarte(i - 52));
        }
        const QString nom = carte.NomBitmap();
        // One pixel a unit: the 71 × 96 picture itself, pixel for pixel.
        QCOMPARE(Rendue(carte, 1), Carte(nom));
        // Two: the finer drawing itself, not the coarse one blown up.
        const QImage fine = Carte(nom + QLatin1String("@2x"));
        QCOMPARE(Rendue(carte, 2), fine);
        QVERIFY(Rendue(carte, 2) != Carte(nom).scaled(142, 192));
    }

    // Selected, the negative of the picture, in either density.
    carte.SetSelectionnee(true);
    QCOMPARE(Rendue(carte, 1), Negatif(Carte(carte.NomBitmap())));
    QCOMPARE(Rendue(carte, 2), Negatif(Carte(carte.NomBitmap() + QLatin1String("@2x"))));

    // At 150 % the finer drawing shrunk by the painter: well closer to its
    // averaged reduction than to the coarse one blown up. (106.5 pixels wide:
    // the last column is half card.)
    carte.SetSelectionnee(false);
    carte.SetFaceVisible(true);
    carte.SetCouleur(TCouleurCarte::Coeur);
    carte.SetValeur(12);
    const QSize a150(106, 144);
    const QImage rendue = Rendue(carte, 1.5).copy(QRect(QPoint(0, 0), a150));
    auto aLaTaille = [&](const QString &nom) {
        return Reduite(Carte(nom), QSize(107, 144)).copy(QRect(QPoint(0, 0), a150));
    };
    const double dePlusFine = Ecart(rendue, aLaTaille(QStringLiteral("C12@2x")));
    const double dePlusGrossiere = Ecart(rendue, aLaTaille(QStringLiteral("C12")));
    QVERIFY2(dePlusFine < dePlusGrossiere * 2 / 3,
             qPrintable(QStringLiteral("%1 %2").arg(dePlusFine).arg(dePlusGrossiere)));
}

void TestDensite::carteDansUneFenetre()
{
    // A shown window, at the ratio of the screen this run has (1, or 2 under
    // QT_SCALE_FACTOR=2), draws the matching picture.
    QWidget table;
    table.resize(300, 200);
    TCarte *carte = new TCarte(&table);
    carte->move(40, 30);
    carte->SetFaceVisible(true);
    carte->SetValeur(11);
    table.show();
    QCoreApplication::processEvents();
    const qreal densite = table.devicePixelRatioF();
    const QString suffixe = densite > 1 ? QStringLiteral("@2x") : QString();
    const QImage attendue = Carte(QStringLiteral("C11") + suffixe);
    auto surface = [&] { return Rgb(table.grab(QRect(40, 30, 71, 96)).toImage()); };
    QCOMPARE(surface(), attendue);
    carte->SetSelectionnee(true);
    QCOMPARE(surface(), Negatif(attendue));
}

void TestDensite::imagesDeLaBarre()
{
    auto icones = Images(QStringLiteral(":/icones"), QStringLiteral("png"));
    const auto &grossieres = icones[QString()], &moyennes = icones[QStringLiteral("@1.5x")],
               &fines = icones[QStringLiteral("@2x")];
    QCOMPARE(icones.size(), 3);
    QCOMPARE(QStringList(grossieres.keys()),
             QStringList({"apropos", "choisir", "couleur", "dos", "nouvelle", "quitter", "regle"}));
    QMap<QString, QImage> grises, moyennesGrises, finesGrises;
    for (auto g = grossieres.begin(); g != grossieres.end(); ++g) {
        QCOMPARE(g->size(), QSize(16, 16));
        QCOMPARE(moyennes.value(g.key()).size(), QSize(24, 24));
        QCOMPARE(fines.value(g.key()).size(), QSize(32, 32));
        grises.insert(g.key(), SurGris(*g));
        moyennesGrises.insert(g.key(), SurGris(moyennes[g.key()]));
        finesGrises.insert(g.key(), SurGris(fines[g.key()]));
    }
    MemesSujets(grises, finesGrises, 24.0);
    // Brought down by two thirds, a drawing's edges fall between pixels.
    MemesSujets(grises, moyennesGrises, 30.0);

    // The image of an entry: at one, one and a half and two pixels a unit,
    // the drawing made for that density, pixel for pixel; in between, the
    // next finer one shrunk.
    for (const QString &nom : grossieres.keys()) {
        const QIcon image = ImageBarre(nom);
        QCOMPARE(Premultipliee(image.pixmap(QSize(16, 16), 1.0).toImage()), Premultipliee(grossieres[nom]));
        const QPixmap a2 = image.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(a2.devicePixelRatio(), 2.0);
        QCOMPARE(Premultipliee(a2.toImage()), Premultipliee(fines[nom]));
        QCOMPARE(Premultipliee(image.pixmap(QSize(16, 16), 1.5).toImage()), Premultipliee(moyennes[nom]));
        const QImage a125 = image.pixmap(QSize(16, 16), 1.25).toImage();
        const QImage attendue = moyennes[nom].scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const double ecart125 = Ecart(SurGris(a125), SurGris(attendue));
        QVERIFY2(ecart125 < 3, qPrintable(QStringLiteral("%1: %2").arg(nom).arg(ecart125)));
    }
}

void TestDensite::barreOutilsSelonLaFenetre()
{
    // A game window's toolbar, at the ratio of this run's screen: each button
    // shows the drawing of its image that matches it.
    TJeuEssai fenetre(TfrmCasino::Fiche);
    const QMap<QString, QString> images = {
        {"JeuNouvellePartie", "nouvelle"}, {"AideRegle", "regle"},
        {"JeuChoisirReussite", "choisir"}, {"JeuQuitter", "quitter"},
        {"AideAPropos", "apropos"},        {"OptionsChoixDos", "dos"},
        {"OptionsChoixCouleurTapis", "couleur"},
    };
    fenetre.show();
    QCoreApplication::processEvents();
    const QString suffixe = fenetre.devicePixelRatioF() > 1 ? QStringLiteral("@2x") : QString();
    auto *barre = fenetre.findChild<QToolBar *>(QStringLiteral("ActionToolBar"));
    QVERIFY(barre);
    int boutons = 0;
    for (QAction *action : barre->actions()) {
        const QString nom = images.value(action->objectName());
        QVERIFY2(!nom.isEmpty(), qPrintable(action->objectName()));
        // At 150 % too, the entry's image is the one of ImageBarre.
        const QPixmap a150 = action->icon().pixmap(QSize(16, 16), 1.5);
        QCOMPARE(a150.size(), QSize(24, 24));
        QCOMPARE(Argb(a150.toImage()), Argb(ImageBarre(nom).pixmap(QSize(16, 16), 1.5).toImage()));
        const QImage bouton = barre->widgetForAction(action)->grab().toImage();
        const QImage motif(QStringLiteral(":/icones/%1%2.png").arg(nom, suffixe));
        QVERIFY2(Trouver(bouton, motif) != QPoint(-1, -1), qPrintable(nom + suffixe));
        ++boutons;
    }
    QCOMPARE(boutons, 7);
}

void TestDensite::apercusEtAPropos()
{
    // Each preview has a twin twice its size that shows the same game.
    auto apercus = Images(QStringLiteral(":/apercus"), QStringLiteral("jpg"));
    const auto &grossiers = apercus[QString()], &fins = apercus[QStringLiteral("@2x")];
    QCOMPARE(apercus.size(), 2);
    QCOMPARE(fins.keys(), grossiers.keys());
    QCOMPARE(grossiers.size(), 5);
    for (auto f = fins.begin(); f != fins.end(); ++f) {
        const QImage &grossier = grossiers[f.key()];
        QCOMPARE(f->size(), grossier.size() * 2);
        const double ecart = Ecart(Reduite(*f, grossier.size()), grossier);
        QVERIFY2(ecart < 4, qPrintable(QStringLiteral("%1: %2").arg(f.key()).arg(ecart)));
    }

    // The chooser shows each game's preview drawn for its screen's density,
    // pixel for pixel.
    TfrmChoixReussite choix;
    choix.show();
    QCoreApplication::processEvents();
    const bool dense = choix.devicePixelRatioF() > 1;
    const QString suffixe = dense ? QStringLiteral("@2x") : QString();
    const char *const noms[] = {nullptr, "blocus", "casino", "melange", "multiples", "paquets"};
    for (int n = 1; n <= 5; ++n) {
        choix.ReussiteChoisie = quint8(n);
        choix.AfficherReussite();
        QFile fichier(QStringLiteral(":/apercus/apercu-%1%2.jpg").arg(QLatin1String(noms[n]), suffixe));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QImage attendu = DecoderJpeg(fichier.readAll());
        const QRect zone(QPoint(0, 0), attendu.size() / (dense ? 2 : 1));
        QCOMPARE(Rgb(choix.imgReussiteSelectionnee->grab(zone).toImage()), Rgb(attendu));
    }

    // The about box's picture: drawn at its size, or at twice it, on aqua.
    TfrmAPropos apropos;
    apropos.show();
    QCoreApplication::processEvents();
    const QImage image(QStringLiteral(":/icones/apropos-carte%1.png").arg(suffixe));
    QCOMPARE(image.size(), QSize(33, 33) * (dense ? 2 : 1));
    QCOMPARE(Rgb(apropos.ProgramIcon->grab().toImage()), SurGris(image, QColor(0, 255, 255)));
}

QTEST_MAIN(TestDensite)
#include "test_densite.moc"
