// ludoval-apercus OUTDIR
//
// Draws the pictures that the game chooser shows beside each game and writes
// them into OUTDIR as JPEG files:
//
//   apercu-blocus.jpg     500 x 362  the real Blocus des quatorze window in play:
//                                    a few pairs gone, one card chosen
//   apercu-casino.jpg     500 x 375  the real Casino window in play: a few
//                                    pairs gone, the grid refilled, one card
//                                    chosen
//   apercu-melange.jpg    500 x 375  the real Mélange window in play: a few
//                                    pairs covered, one card chosen
//   apercu-multiples.jpg  500 x 369  the real Multiples de sept window in play:
//                                    a long row after a group has left, one
//                                    card marked
//   apercu-paquets.jpg    500 x 375  the real Petits paquets window in play:
//                                    pairs gone until a packet is empty, one
//                                    top card chosen
//
// Each picture is drawn at the size of the whole game window (client area,
// title bar and borders) and then reduced to 500 pixels wide in its own
// proportions; the wider Multiples de sept window leaves the rest of its
// picture's height white, like the chooser around it. Each has a twin drawn
// at twice the density, from the window drawn with its finer card art, for
// high-density screens: apercu-blocus@2x.jpg (1000 x 724) and so on.
// The game runs on the tests' platform double, so the deal is fixed by its
// seed and takes no real time; the same program always writes the same files.
//
// Run it with QT_QPA_PLATFORM=offscreen.
#include "PlateformeTest.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <jpeglib.h>

namespace {

constexpr int largeurApercu = 500;
constexpr int hauteurTitre = 23;
constexpr int bordure = 4;
constexpr int qualiteJpeg = 90;

// The deal shown in the Blocus des quatorze picture, and how many pairs
// leave the table before the last card is chosen.
constexpr quint32 graineBlocus = 7;
constexpr int pairesJouees = 4;
// The same for Casino.
constexpr quint32 graineCasino = 7;
constexpr int pairesCasino = 3;

// The deal shown in the Multiples de sept picture, and how long its row
// grows before a group leaves and after.
constexpr quint32 graineMultiples = 12;
constexpr int rangeeAvant = 7;
constexpr int rangeeApres = 10;
// The same for Le mélange: its deal, and the pairs covered before a card
// is chosen.
constexpr quint32 graineMelange = 5;
constexpr int pairesMelange = 6;
// The deal shown in the Petits paquets picture.
constexpr quint32 grainePaquets = 7;

const QColor cadreHaut(74, 118, 168);  // the title bar's gradient, top to bottom
const QColor cadreBas(44, 82, 130);    // and the colour of the borders
const QColor cadreTrait(28, 50, 82);   // the window's outline

// Writes `image` as a baseline JPEG. Colour is kept at full resolution
// (4:4:4): halving it would blur the red suit marks and the card edges
// against the aqua table.
bool EcrireJpeg(const QImage &image, const QString &chemin)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE *fichier = std::fopen(QFile::encodeName(chemin).constData(), "wb");
    if (!fichier)
        return false;

    jpeg_compress_struct info;
    jpeg_error_mgr erreurs;
    info.err = jpeg_std_error(&erreurs); // a libjpeg error ends the program
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, fichier);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualiteJpeg, TRUE);
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    info.optimize_coding = TRUE;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW ligne = const_cast<uchar *>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(fichier) == 0;
}

// A minimise or close box of the title bar.
void DessinerBouton(QPainter &p, const QRect &boite, bool fermer)
{
    p.setPen(QColor(255, 255, 255, 90));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(boite).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF signe = QRectF(boite).adjusted(5, 4, -5, -4);
    if (fermer) {
        p.drawLine(signe.topLeft(), signe.bottomRight());
        p.drawLine(signe.bottomLeft(), signe.topRight());
    } else {
        p.drawLine(QPointF(signe.left(), signe.bottom()), signe.bottomRight());
    }
}

// A picture of `taille` units at `densite` pixels a unit.
QImage Surface(QSize taille, int densite)
{
    QImage image(taille * densite, QImage::Format_RGB32);
    image.setDevicePixelRatio(densite);
    return image;
}

// The whole window around a client area: title bar with the program icon,
// the caption, the minimise and close boxes, and thin borders; in the
// client's density.
QImage Fenetre(const QImage &client, const QString &caption)
{
    const int densite = int(client.devicePixelRatio());
    const QSize unites = client.deviceIndependentSize().toSize();
    QImage image = Surface(QSize(unites.width() + 2 * bordure, unites.height() + hauteurTitre + bordure), densite);
    image.fill(cadreBas);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient degrade(0, 0, 0, hauteurTitre);
    degrade.setColorAt(0, cadreHaut);
    degrade.setColorAt(1, cadreBas);
    const QRectF cadre(QPointF(0, 0), image.deviceIndependentSize());
    p.fillRect(QRectF(0, 0, cadre.width(), hauteurTitre), degrade);
    p.setPen(cadreTrait);
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre.adjusted(0.5, 0.5, -0.5, -0.5));

    const QImage icone(QStringLiteral(":/icones/ludoval-%1.png").arg(16 * densite));
    p.drawImage(QRectF(bordure + 2, (hauteurTitre - 16) / 2, 16, 16), icone);
    QFont police;
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    police.setStyleHint(QFont::SansSerif);
    police.setBold(true);
    police.setPixelSize(12);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRect(bordure + 24, 0, int(cadre.width()) - 100, hauteurTitre), Qt::AlignLeft | Qt::AlignVCenter,
               caption);

    const QSize boite(19, 15);
    const int haut = (hauteurTitre - boite.height()) / 2;
    const int droite = int(cadre.width()) - bordure - 1;
    DessinerBouton(p, QRect(QPoint(droite - boite.width() + 1, haut), boite), true);
    DessinerBouton(p, QRect(QPoint(droite - 2 * boite.width() - 1, haut), boite), false);

    p.drawImage(bordure, hauteurTitre, client);
    return image;
}

// Plays `paires` pairs through clicks, each a playable card then its
// partner, and chooses one more playable card. The place of that card, or -1
// when the table has run out of moves.
int JouerPuisChoisir(int paires, const std::function<int()> &jouable, const std::function<int(int)> &partenaire,
                     const std::function<void(int)> &cliquer)
{
    for (int paire = 0; paire < paires; ++paire) {
        const int premiere = jouable();
        if (premiere < 0)
            return -1;
        const int seconde = partenaire(premiere);
        cliquer(premiere);
        cliquer(seconde);
    }
    const int choisie = jouable();
    if (choisie >= 0)
        cliquer(choisie);
    return choisie;
}

// Reduced to 500 units wide in its own proportions, at the top of a white
// picture `hauteur` units high, in the image's density.
QImage Reduire(const QImage &image, int hauteur)
{
    const int densite = int(image.devicePixelRatio());
    QImage apercu = Surface(QSize(largeurApercu, hauteur), densite);
    apercu.fill(Qt::white);
    QPainter p(&apercu);
    QImage reduite = image.scaledToWidth(largeurApercu * densite, Qt::SmoothTransformation);
    reduite.setDevicePixelRatio(densite);
    p.drawImage(0, 0, reduite);
    return apercu;
}

// A preview and its twin at twice the density.
struct TPhotos {
    QImage simple, double_;
};

// The game window in its frame, reduced, in both densities; nothing if the
// window is not at its size.
TPhotos Photographier(TfrmJeu &fenetre, int hauteur)
{
    if (fenetre.size() != fenetre.Donnees().client)
        return {};
    auto photo = [&](int densite) {
        QImage client = Surface(fenetre.size(), densite);
        fenetre.render(&client);
        return Reduire(Fenetre(client, QString::fromUtf8(fenetre.Donnees().caption)), hauteur);
    };
    return {photo(1), photo(2)};
}

// Le blocus des quatorze in play: the window deals, a few pairs that total
// fourteen leave the table, and one more card is chosen. Everything goes
// through clicks on the shown window, as a player would play.
TPhotos ApercuBlocus(int hauteur)
{
    TPlateformeTest plateforme;
    plateforme.graine = graineBlocus;
    TfrmBlocusQuatorze fenetre;
    fenetre.show();
    plateforme.TraiterEvenements();
    fenetre.LancerNouvellePartie();

    const auto &cartes = fenetre.Talon()->Cartes();
    auto libre = [&](int place) { return fenetre.Disponible[place] && cartes[place]->Visible(); };
    // A card on the table that makes fourteen with the one at `place`, or -1.
    auto partenaire = [&](int place) {
        for (int autre = 0; autre < 52; ++autre)
            if (autre != place && libre(autre) && cartes[place]->Valeur() + cartes[autre]->Valeur() == 14)
                return autre;
        return -1;
    };
    // The first bottom card, right to left, that has a partner, or -1.
    auto jouable = [&] {
        for (int place = 51; place >= 0; --place)
            if (libre(place) && partenaire(place) >= 0)
                return place;
        return -1;
    };
    auto cliquer = [&](int place) {
        Cliquer(&fenetre, TfrmBlocusQuatorze::PositionPlace(place) + QPoint(30, 30));
    };

    const int choisie = JouerPuisChoisir(pairesJouees, jouable, partenaire, cliquer);
    plateforme.TraiterEvenements();
    if (choisie < 0 || fenetre.CartesRestantes != 52 - 2 * pairesJouees || fenetre.Carte1 != choisie
        || fenetre.BarreEtat()->Texte() != QStringLiteral("Sélectionnez une deuxième carte"))
        return {};
    return Photographier(fenetre, hauteur);
}

// Le mélange in play: the window deals, a few pairs that follow each other
// are covered from the stock, and one more card is chosen, all through clicks.
TPhotos ApercuMelange(int hauteur)
{
    TPlateformeTest plateforme;
    plateforme.graine = graineMelange;
    TfrmMelange fenetre;
    fenetre.show();
    plateforme.TraiterEvenements();
    fenetre.LancerNouvellePartie();

    // A place whose top card follows the one at `place`, or -1.
    auto partenaire = [&](int place) {
        for (int autre = 0; autre < TfrmMelange::NbPlaces; ++autre)
            if (TfrmMelange::Suivent(fenetre.Tapis[place], fenetre.Tapis[autre]))
                return autre;
        return -1;
    };
    auto jouable = [&] {
        for (int place = 0; place < TfrmMelange::NbPlaces; ++place)
            if (partenaire(place) >= 0)
                return place;
        return -1;
    };
    auto cliquer = [&](int place) { Cliquer(&fenetre, TfrmMelange::PositionPlace(place) + QPoint(35, 48)); };

    const int choisie = JouerPuisChoisir(pairesMelange, jouable, partenaire, cliquer);
    plateforme.TraiterEvenements();
    if (choisie < 0 || fenetre.CartesRestantes != 44 - 2 * pairesMelange || fenetre.Carte1 != choisie
        || fenetre.BarreEtat()->Texte() != QStringLiteral("Choisissez une seconde carte."))
        return {};
    return Photographier(fenetre, hauteur);
}

// Multiples de sept in play: the window deals, the row grows from the
// stock, a group adding up to a multiple of seven leaves it, the row grows
// again and one card is marked. Everything goes through clicks.
TPhotos ApercuMultiples(int hauteur)
{
    TPlateformeTest plateforme;
    plateforme.graine = graineMultiples;
    TfrmMultiplesSept fenetre;
    fenetre.show();
    plateforme.TraiterEvenements();
    fenetre.LancerNouvellePartie();

    auto cliquer = [&](int place) { Cliquer(&fenetre, TfrmMultiplesSept::PositionPlace(place) + QPoint(35, 48)); };
    auto tirer = [&](int jusqua) {
        while (fenetre.NbCartesTapis < jusqua)
            Cliquer(&fenetre, fenetre.Talon()->PositionTalon() + QPoint(35, 48));
    };
    // The places of the first pair of the row adding up to 7 or 14.
    auto paire = [&]() -> std::pair<int, int> {
        for (int a = 0; a < fenetre.NbCartesTapis; ++a)
            for (int b = a + 1; b < fenetre.NbCartesTapis; ++b)
                if ((fenetre.Tapis[a]->Valeur() + fenetre.Tapis[b]->Valeur()) % 7 == 0
                    && fenetre.Tapis[a]->Valeur() != 7)
                    return {a, b};
        return {-1, -1};
    };

    tirer(rangeeAvant);
    const auto [a, b] = paire();
    if (a < 0)
        return {};
    cliquer(a);
    cliquer(b);
    tirer(rangeeApres);
    // One card marked that no other completes yet: the last one that is no seven.
    int marquee = fenetre.NbCartesTapis - 1;
    while (marquee >= 0 && fenetre.Tapis[marquee]->Valeur() == 7)
        --marquee;
    if (marquee < 0)
        return {};
    cliquer(marquee);
    plateforme.TraiterEvenements();

    if (fenetre.NbCartesTapis != rangeeApres || !fenetre.Tapis[marquee]->Selectionnee())
        return {};
    return Photographier(fenetre, hauteur);
}

// Les petits paquets in play: the window deals, pairs of equal tops leave
// the table until a packet is empty, and one more top card is chosen, all
// through clicks on the shown window.
TPhotos ApercuPaquets(int hauteur)
{
    TPlateformeTest plateforme;
    plateforme.graine = grainePaquets;
    TfrmPetitsPaquets fenetre;
    fenetre.show();
    plateforme.TraiterEvenements();
    fenetre.LancerNouvellePartie();

    auto vide = [&](int p) { return !fenetre.Paquets[p][0]->Visible(); };
    // A packet whose top has the rank of packet p's top, or -1.
    auto partenaire = [&](int p) {
        for (int q = 0; q < TfrmPetitsPaquets::NbPaquets; ++q)
            if (q != p && !vide(p) && !vide(q) && fenetre.Sommet(q)->Valeur() == fenetre.Sommet(p)->Valeur())
                return q;
        return -1;
    };
    // The first packet, fullest first, whose top has a partner, or -1.
    auto jouable = [&] {
        for (int cartes = 3; cartes >= 0; --cartes)
            for (int p = 0; p < TfrmPetitsPaquets::NbPaquets; ++p)
                if (fenetre.SommetPaquet[p] == cartes && partenaire(p) >= 0)
                    return p;
        return -1;
    };
    auto cliquer = [&](int p) { Cliquer(&fenetre, TfrmPetitsPaquets::PositionPaquet(p) + QPoint(35, 48)); };
    auto unVide = [&] {
        for (int p = 0; p < TfrmPetitsPaquets::NbPaquets; ++p)
            if (vide(p))
                return true;
        return false;
    };

    while (!unVide()) {
        const int premier = jouable();
        if (premier < 0)
            return {};
        const int second = partenaire(premier);
        cliquer(premier);
        cliquer(second);
    }
    const int choisi = jouable();
    if (choisi < 0)
        return {};
    cliquer(choisi);
    plateforme.TraiterEvenements();

    if (fenetre.Paquet1 != choisi || fenetre.BarreEtat()->Texte() != QStringLiteral("Choisissez un autre paquet."))
        return {};
    return Photographier(fenetre, hauteur);
}

// Casino in play: the window deals, a few pairs of one rank that touch leave
// the grid, which closes up and is refilled, and one more card is chosen.
TPhotos ApercuCasino(int hauteur)
{
    TPlateformeTest plateforme;
    plateforme.graine = graineCasino;
    TfrmCasino fenetre;
    fenetre.show();
    plateforme.TraiterEvenements();
    fenetre.LancerNouvellePartie();

    auto touchent = [](int a, int b) { return std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1; };
    // The first pair of the grid in reading order, or nothing.
    auto paire = [&]() -> std::optional<std::pair<int, int>> {
        for (int a = 0; a < fenetre.NbCartesTapis; ++a)
            for (int b = a + 1; b < fenetre.NbCartesTapis; ++b)
                if (touchent(a, b) && fenetre.Tapis[a]->Valeur() == fenetre.Tapis[b]->Valeur())
                    return std::pair{a, b};
        return std::nullopt;
    };
    auto cliquer = [&](int place) { Cliquer(&fenetre, TfrmCasino::PositionPlace(place) + QPoint(30, 30)); };

    for (int n = 0; n < pairesCasino; ++n) {
        const auto p = paire();
        if (!p)
            return {};
        cliquer(p->first);
        cliquer(p->second);
    }
    const auto choisie = paire();
    if (!choisie)
        return {};
    cliquer(choisie->first);
    plateforme.TraiterEvenements();

    if (fenetre.Talon()->Sommet() != 26 - 2 * pairesCasino || fenetre.Carte1 != choisie->first
        || fenetre.BarreEtat()->Texte() != QStringLiteral("Choisissez deux cartes."))
        return {};
    return Photographier(fenetre, hauteur);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ludoval-apercus OUTDIR\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!dossier.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "ludoval-apercus: cannot create %s\n", argv[1]);
        return 1;
    }

    struct TApercu { const char *nom; TPhotos photos; };
    const TApercu apercus[] = {
        {"apercu-blocus", ApercuBlocus(362)},
        {"apercu-casino", ApercuCasino(375)},
        {"apercu-melange", ApercuMelange(375)},
        {"apercu-multiples", ApercuMultiples(369)},
        {"apercu-paquets", ApercuPaquets(375)},
    };
    for (const TApercu &apercu : apercus) {
        const std::pair<const char *, QImage> fichiers[] = {{".jpg", apercu.photos.simple},
                                                            {"@2x.jpg", apercu.photos.double_}};
        for (const auto &[suffixe, image] : fichiers) {
            const QString chemin = dossier.filePath(QLatin1String(apercu.nom) + QLatin1String(suffixe));
            if (image.isNull()) {
                std::fprintf(stderr, "ludoval-apercus: could not draw %s\n", qPrintable(chemin));
                return 1;
            }
            if (!EcrireJpeg(image, chemin)) {
                std::fprintf(stderr, "ludoval-apercus: cannot write %s\n", qPrintable(chemin));
                return 1;
            }
        }
    }
    return 0;
}
